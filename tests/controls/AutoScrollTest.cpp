#include "RoomFixture.h"

#include <algorithm>

namespace {

constexpr int64_t kStep = 11025;
constexpr int kPeriodsPerPause = TAutoScroll::kDelayIntervalMs / TAutoScroll::kScrollIntervalMs;

class AutoScrollTest : public RoomFixture {
protected:
    TAutoScroll& scroll() { return room().AutoScroll(); }
    void lineAtPosition(int64_t position) {
        mixer.Script({position});
        room().Line().Update();
    }
    // The line at a column of the plan.
    void lineAtColumn(int column) { lineAtPosition(column * kStep); }
    void endFlagAt(int64_t column) {
        room().Model().room.SetFlagPosition(room().Model().room.EndFlag(), Elements{column * kStep},
                                            false);
    }
    struct Rolled {
        int followScrolls = 0;
        int longestOutOfView = 0; // scroll-timer periods in a row
    };
    // Rolls the play range from its start for a number of scroll-timer periods, driving the
    // timers' steps as their intervals pass, and wrapping as the mingler does.
    Rolled roll(int64_t startColumn, int64_t endColumn, int periods) {
        constexpr int64_t kElementsPerPeriod =
            44100 * kElementsPerFrame * TAutoScroll::kScrollIntervalMs / 1000;
        TRoomState& state = room().Model().room;
        state.SetFlagPosition(state.StartFlag(), Elements{startColumn * kStep}, false);
        endFlagAt(endColumn);
        audio.playing = true;
        lineAtColumn(static_cast<int>(startColumn));
        scroll().Rearm();
        const TRect& bounds = room().BoundsRect;
        const auto inView = [&] {
            const int32_t x = room().Line().PixelX;
            return x >= bounds.Left && x < bounds.Right;
        };
        Rolled rolled;
        int periodsOfPause = 0;
        int outOfView = 0;
        int64_t position = startColumn * kStep;
        for (int i = 0; i < periods; ++i) {
            position += kElementsPerPeriod;
            if (position >= endColumn * kStep) {
                position -= (endColumn - startColumn) * kStep;
                room().Line().SetHighestPosition(Elements{startColumn * kStep});
                scroll().Rewinding = true;
            }
            lineAtPosition(position);
            if (scroll().DelayTimer.isActive() && ++periodsOfPause == kPeriodsPerPause)
                scroll().DelayTick();
            if (scroll().ScrollTimer.isActive()) {
                const int32_t offset = state.OffsetX;
                scroll().ScrollTick();
                // A forward scroll counts as a move of the point: the pause starts again.
                if (state.OffsetX != offset && !scroll().ScrollTimer.isActive()) {
                    ++rolled.followScrolls;
                    periodsOfPause = 0;
                    EXPECT_TRUE(inView()) << "after scroll " << rolled.followScrolls;
                }
            }
            outOfView = inView() ? 0 : outOfView + 1;
            rolled.longestOutOfView = std::max(rolled.longestOutOfView, outOfView);
        }
        return rolled;
    }
};

TEST_F(AutoScrollTest, NearTheRightEdgeTheRoomJumpsAPageOnlyWhenTheLineCanLeave) {
    make();
    audio.playing = true;
    lineAtColumn(11); // 60 pixels from the right edge
    scroll().Rearm(); // the end flag (column 32) lies beyond the room
    EXPECT_TRUE(scroll().LineCanLeave);
    scroll().DelayTick();
    EXPECT_TRUE(scroll().ScrollTimer.isActive());
    scroll().ScrollTick();
    EXPECT_EQ(room().Model().room.OffsetX, -18);
    // The jump counts as a move of the point: the next one waits a full delay.
    EXPECT_FALSE(scroll().ScrollTimer.isActive());
    EXPECT_TRUE(scroll().DelayTimer.isActive());
    EXPECT_EQ(scroll().DelayTimer.interval(), 5000);

    room().SetOffsetX(0);
    endFlagAt(13); // visible, and ahead of the line
    scroll().Rearm();
    EXPECT_FALSE(scroll().LineCanLeave);
    scroll().ScrollTick();
    EXPECT_EQ(room().Model().room.OffsetX, 0);
}

TEST_F(AutoScrollTest, AUserMoveStopsTheChecksAndRewindingScrollsBackUntilTheStartShows) {
    make();
    audio.playing = true;
    scroll().DelayTick();
    room().PointKeyDown(Qt::Key_Right, {false, false, true});
    EXPECT_FALSE(scroll().ScrollTimer.isActive());
    EXPECT_TRUE(scroll().DelayTimer.isActive());

    room().SetOffsetX(-40);        // the start flag far left of the room
    scroll().LineCanLeave = false; // the line rests at the start, before a visible end
    scroll().Rewinding = true;
    scroll().ScrollTick();
    EXPECT_EQ(room().Model().room.OffsetX, -22);
    scroll().ScrollTick();
    EXPECT_EQ(room().Model().room.OffsetX, -4);
    EXPECT_TRUE(scroll().Rewinding);
    scroll().ScrollTick();
    EXPECT_EQ(room().Model().room.OffsetX, 14);
    scroll().ScrollTick(); // the start flag shows: rewinding ends
    EXPECT_FALSE(scroll().Rewinding);
    EXPECT_EQ(room().Model().room.OffsetX, 14);
}

// The default plan rolls 16 steps a second: the line crosses the room's 32 columns in two
// seconds, much sooner than the 5-second pause between two forward scrolls.
TEST_F(AutoScrollTest, AtAQuickTempoTheRoomFollowsALineThatCrossedItDuringThePause) {
    host.layout = {0, 0, 760, 300, 760, 300};
    make();
    const Rolled rolled = roll(0, 100000, 300); // a minute
    EXPECT_GE(rolled.followScrolls, 11);
    // Out of view for no longer than one pause and the check after it.
    EXPECT_LE(rolled.longestOutOfView, kPeriodsPerPause + 1);
}

// A play range of 200 columns loops every 12.5 seconds: after each wrap the room rewinds to
// the range's start, and goes on following the line from there.
TEST_F(AutoScrollTest, RoundAndRoundAPlayRangeWiderThanTheRoomTheRoomKeepsFollowing) {
    host.layout = {0, 0, 760, 300, 760, 300};
    make();
    room().SetOffsetX(-30);
    const Rolled rolled = roll(40, 240, 300);
    EXPECT_GE(rolled.followScrolls, 10);
    EXPECT_LE(rolled.longestOutOfView, kPeriodsPerPause + 1);
}

TEST_F(AutoScrollTest, ALineThatJumpedLeftOfTheRoomIsBroughtBackInOneScroll) {
    make();
    endFlagAt(1000);
    audio.playing = true;
    room().SetOffsetX(-36); // columns 36 to 49 show
    lineAtColumn(2);
    scroll().Rearm();
    scroll().DelayTick();
    scroll().ScrollTick();
    EXPECT_EQ(room().Model().room.OffsetX, 0) << "two pages back";
    EXPECT_EQ(room().Line().PixelX, room().BoundsRect.Left + 2 * 20 - 1);

    // Far beyond the right edge: as many pages as bring it into the room's first page.
    lineAtColumn(60); // 46 columns right of the room's last one
    scroll().DelayTick();
    scroll().ScrollTick();
    EXPECT_EQ(room().Model().room.OffsetX, -54);
    EXPECT_EQ(room().Line().PixelX, room().BoundsRect.Left + 6 * 20 - 1);
}

TEST_F(AutoScrollTest, ARewindRunsToTheRangesStartBeforeTheLineIsFollowedAgain) {
    host.layout = {0, 0, 760, 300, 760, 300};
    make();
    audio.playing = true;
    TRoomState& state = room().Model().room;
    state.SetFlagPosition(state.StartFlag(), Elements{2 * kStep}, false);
    endFlagAt(60);
    room().SetOffsetX(-50); // columns 50 to 81 show, the end flag among them
    lineAtColumn(55);
    scroll().Rearm();
    ASSERT_FALSE(scroll().LineCanLeave);
    // The mix wraps to the range's start: the room rewinds until the start flag shows.
    room().Line().SetHighestPosition(Elements{2 * kStep});
    lineAtColumn(2);
    scroll().Rewinding = true;
    scroll().DelayTick();
    for (int i = 0; i < 10 && scroll().Rewinding; ++i)
        scroll().ScrollTick();
    EXPECT_FALSE(scroll().Rewinding);
    EXPECT_EQ(state.OffsetX, 4);
    EXPECT_TRUE(scroll().LineCanLeave) << "the end flag lies beyond the room again";
    lineAtColumn(30);
    scroll().ScrollTick();
    EXPECT_EQ(state.OffsetX, -14);

    // While the room rewinds it does not chase the line to the right: the wrap is made ahead
    // of the line heard. Once the start shows, the line is followed again.
    room().SetOffsetX(-40);
    lineAtColumn(100);
    scroll().Rearm();
    scroll().DelayTick();
    scroll().Rewinding = true;
    scroll().ScrollTick();
    EXPECT_EQ(state.OffsetX, -22);
    for (int i = 0; i < 10 && scroll().Rewinding; ++i)
        scroll().ScrollTick();
    EXPECT_EQ(state.OffsetX, 14);
    scroll().ScrollTick();
    EXPECT_EQ(state.OffsetX, -94) << "six pages: the line lands in the room's first page";

    // A line heard left of the room after the wrap is followed in one scroll, which ends the
    // rewind and starts the pause again.
    room().Line().SetHighestPosition(Elements{2 * kStep});
    lineAtColumn(3);
    scroll().DelayTick();
    scroll().Rewinding = true;
    scroll().ScrollTick();
    EXPECT_EQ(state.OffsetX, 14);
    EXPECT_FALSE(scroll().Rewinding);
    EXPECT_FALSE(scroll().ScrollTimer.isActive());
}

} // namespace
