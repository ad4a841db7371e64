// What the soak counts as a fault: a line that steps back outside a wrap, channels that pile up.
#include "ChannelWatch.h"
#include "LineWatch.h"

#include <gtest/gtest.h>

namespace {

constexpr PlayRange kRange{Elements{1000}, Elements{7000}};

LineWatch::Reading at(int64_t position, bool looping = true, PlayRange range = kRange) {
    return {Elements{position}, range, looping, Elements{100}};
}

TEST(LineWatch, TheLineMayStepBackOnlyToAWrapOrOnceAfterAMove) {
    LineWatch line;
    EXPECT_TRUE(line.Read(at(5000)));
    EXPECT_TRUE(line.Read(at(5000))) << "paused";
    EXPECT_TRUE(line.Read(at(6950)));
    EXPECT_TRUE(line.Read(at(2500))) << "a wrap from within reach of the end, reported late";
    EXPECT_EQ(line.Wraps(), 1);
    line.Moved(kRange);
    EXPECT_TRUE(line.Read(at(2600, false))) << "what was mixed before the move, still heard";
    EXPECT_TRUE(line.Read(at(200, false))) << "then the roll from before the range";
    EXPECT_TRUE(line.Read(at(900, false)));
    EXPECT_TRUE(line.Fault().empty());

    EXPECT_FALSE(line.Read(at(800, false))) << "the move's one step back was taken";
    EXPECT_EQ(line.Fault(),
              "the line stepped back from 900 to 800 (range 1000..7000, not looping)");
}

TEST(LineWatch, ASlipBackInsideTheLoopIsNoWrap) {
    LineWatch line;
    EXPECT_TRUE(line.Read(at(6000)));
    EXPECT_FALSE(line.Read(at(1500))) << "the end was out of reach since the last reading";
    LineWatch early;
    EXPECT_TRUE(early.Read(at(6950)));
    EXPECT_FALSE(early.Read(at(900))) << "before the range's start";
    LineWatch off;
    EXPECT_TRUE(off.Read(at(6950, false)));
    EXPECT_FALSE(off.Read(at(1100, false))) << "not looping";
    LineWatch heard;
    heard.Moved(kRange);
    EXPECT_TRUE(heard.Read(at(6000)));
    heard.MoveHeard();
    EXPECT_FALSE(heard.Read(at(5999))) << "a move's excuse lapses once it has been heard";
}

TEST(LineWatch, WrapsOfTheRangeBeforeAMoveAreHeardUntilTheMoveIs) {
    constexpr PlayRange kMovedTo{Elements{9000}, Elements{12000}};
    LineWatch line;
    EXPECT_TRUE(line.Read(at(6950)));
    line.Moved(kRange);
    EXPECT_TRUE(line.Read(at(1050, true, kMovedTo))) << "the move's one step back";
    EXPECT_TRUE(line.Read(at(6950, true, kMovedTo)));
    EXPECT_TRUE(line.Read(at(1040, true, kMovedTo))) << "the earlier range wrapped again";
    EXPECT_TRUE(line.Read(at(6950, true, kMovedTo)));
    line.MoveHeard();
    EXPECT_FALSE(line.Read(at(1040, true, kMovedTo)))
        << "once the move is heard, only the new range";
}

TEST(ChannelWatch, NoRestMayHoldMoreChannelsThanTheFirst) {
    ChannelWatch channels;
    channels.WhileRolling(40);
    EXPECT_TRUE(channels.AtRest(3));
    EXPECT_TRUE(channels.AtRest(2));
    EXPECT_TRUE(channels.AtRest(3));
    EXPECT_FALSE(channels.AtRest(4));
    EXPECT_EQ(channels.Fault(), "rest 4 holds 4 engine channels, the first held 3");
    EXPECT_EQ(channels.Most(), 40);
    EXPECT_EQ(channels.Baseline(), 3);
}

} // namespace
