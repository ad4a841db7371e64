#include "RoomFixture.h"

namespace {

constexpr int64_t kStep = 11025;

class AutoScrollTest : public RoomFixture {
protected:
    TAutoScroll& scroll() { return room().AutoScroll(); }
    // The line at a column of the room (OffsetX 0).
    void lineAtColumn(int column) {
        mixer.Script({column * kStep});
        room().Line().Update();
    }
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

} // namespace
