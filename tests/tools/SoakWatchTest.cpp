// What the soak counts as a fault: a line that steps back outside a wrap, channels that pile up.
#include "ChannelWatch.h"
#include "LineWatch.h"

#include <gtest/gtest.h>

namespace {

LineWatch::Reading at(int64_t position, bool looping = true, int64_t elapsed = 100) {
    return {Elements{position}, Elements{1000}, looping, Elements{elapsed}};
}

TEST(LineWatch, TheLineMayStepBackOnlyToAWrapOrOnceAfterAMove) {
    LineWatch line;
    EXPECT_TRUE(line.Read(at(5000)));
    EXPECT_TRUE(line.Read(at(5000))) << "paused";
    EXPECT_TRUE(line.Read(at(6000)));
    EXPECT_TRUE(line.Read(at(1050))) << "a wrap lands within the elapsed time past the start";
    EXPECT_EQ(line.Wraps(), 1);
    line.Moved();
    EXPECT_TRUE(line.Read(at(1100, false))) << "what was mixed before the move, still heard";
    EXPECT_TRUE(line.Read(at(200, false))) << "then the roll from before the range";
    EXPECT_TRUE(line.Read(at(900, false)));
    EXPECT_TRUE(line.Fault().empty());

    EXPECT_FALSE(line.Read(at(800, false))) << "the move's one step back was taken";
    EXPECT_EQ(line.Fault(),
              "the line stepped back from 900 to 800 (range start 1000, not looping)");
}

TEST(LineWatch, ASlipBackInsideTheLoopIsNoWrap) {
    LineWatch line;
    EXPECT_TRUE(line.Read(at(6000)));
    EXPECT_FALSE(line.Read(at(5900))) << "farther past the start than the elapsed time";
    LineWatch early;
    EXPECT_TRUE(early.Read(at(6000)));
    EXPECT_FALSE(early.Read(at(900))) << "before the range's start";
    LineWatch heard;
    heard.Moved();
    EXPECT_TRUE(heard.Read(at(6000)));
    heard.MoveHeard();
    EXPECT_FALSE(heard.Read(at(5999))) << "a move's excuse lapses once it has been heard";
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
