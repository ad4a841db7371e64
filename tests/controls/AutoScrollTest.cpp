#include "RoomFixture.h"

#include <algorithm>

namespace {

constexpr int64_t kStep = 11025;

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
    endFlagAt(100000);
    audio.playing = true;
    scroll().Rearm();
    ASSERT_TRUE(scroll().LineCanLeave);
    constexpr int kTicksPerPause = TAutoScroll::kDelayIntervalMs / TAutoScroll::kScrollIntervalMs;
    constexpr int64_t kElementsPerTick =
        44100 * kElementsPerFrame * TAutoScroll::kScrollIntervalMs / 1000;
    const TRect& bounds = room().BoundsRect;
    const auto inView = [&] {
        const int32_t x = room().Line().PixelX;
        return x >= bounds.Left && x < bounds.Right;
    };
    int ticksSincePause = 0;
    int ticksOutOfView = 0;
    int longestOutOfView = 0;
    int scrolls = 0;
    // A minute of rolling, one scroll-timer period at a time.
    for (int64_t position = kElementsPerTick; position <= 300 * kElementsPerTick;
         position += kElementsPerTick) {
        lineAtPosition(position);
        if (scroll().DelayTimer.isActive() && ++ticksSincePause == kTicksPerPause)
            scroll().DelayTick();
        if (scroll().ScrollTimer.isActive()) {
            const int32_t offset = room().Model().room.OffsetX;
            scroll().ScrollTick();
            if (room().Model().room.OffsetX != offset) {
                ++scrolls;
                ticksSincePause = 0;
                EXPECT_TRUE(inView()) << "after scroll " << scrolls;
            }
        }
        ticksOutOfView = inView() ? 0 : ticksOutOfView + 1;
        longestOutOfView = std::max(longestOutOfView, ticksOutOfView);
    }
    EXPECT_GE(scrolls, 11);
    // Out of view for no longer than one pause and the check after it.
    EXPECT_LE(longestOutOfView, kTicksPerPause + 1);
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

    // Far beyond the right edge: as many pages as bring it in.
    lineAtColumn(60); // 46 columns right of the room's last one
    scroll().DelayTick();
    scroll().ScrollTick();
    EXPECT_EQ(room().Model().room.OffsetX, -54);
    EXPECT_EQ(room().Line().PixelX, room().BoundsRect.Left + 6 * 20 - 1);
}

} // namespace
