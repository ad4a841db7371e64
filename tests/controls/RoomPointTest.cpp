#include "RoomFixture.h"
#include "controls/NearestBall.h"

namespace {

class RoomPointTest : public RoomFixture {
protected:
    TThePoint& point() { return room().Model().room.Point; }
    void placePoint(int32_t x, int32_t y) {
        room().MovePointTo(x, y);
        host.copied.clear();
    }
    bool press(int key, ShiftState shift = {}) { return room().PointKeyDown(key, shift); }
    TLane& laneWithBalls(int32_t row, std::initializer_list<int32_t> columns) {
        TLane& lane = arrangement.lanes.Add(row, 20, false);
        for (int32_t x : columns)
            arrangement.balls.Add(x, row, TPiece::kNoOwnHue, false);
        return lane;
    }
    BallCell at() { return {point().X, point().Y}; }
    const ShiftState ctrl{false, false, true};
};

TEST_F(RoomPointTest, ArrowsMoveThePointAndRepaintOnlyItsCellsAndMarkers) {
    make();
    placePoint(2, 2);
    EXPECT_TRUE(press(Qt::Key_Right));
    EXPECT_TRUE(press(Qt::Key_X)); // the letter keys stand for the arrows
    EXPECT_EQ(at(), (BallCell{3, 3}));
    // Per move: the old and new cell and the old and new marker in the ruler and lane strip.
    EXPECT_EQ(host.copied.size(), 12u);
    EXPECT_EQ(copiedArea(), 2 * (2 * 20 * 20 + 4 * 11 * 11));
    EXPECT_FALSE(press(Qt::Key_Q));
}

TEST_F(RoomPointTest, CtrlScrollsTheRoomAndLeavesThePointOnItsCell) {
    make();
    placePoint(4, 4);
    EXPECT_TRUE(room().MovePointByKey(Qt::Key_Right, ctrl, 18));
    EXPECT_EQ(room().Model().room.OffsetX, -18);
    EXPECT_EQ(at(), (BallCell{4, 4}));
    EXPECT_EQ(point().PixelX, 120 + (4 - 18) * 20);
    // The room and the ruler are repainted; the lane strip is not.
    const auto copiedRect = [&](const TRect& r) {
        return std::count(host.copied.begin(), host.copied.end(), r.ToQRect()) > 0;
    };
    EXPECT_TRUE(copiedRect(room().BoundsRect));
    EXPECT_TRUE(copiedRect(ruler().BoundsRect));
    EXPECT_FALSE(copiedRect(interior->Lanes->BoundsRect));
    press(Qt::Key_Down, ctrl);
    EXPECT_EQ(room().Model().room.OffsetY, -1);
}

TEST_F(RoomPointTest, LeavingTheViewScrollsThePointToItsEdge) {
    make();
    placePoint(13, 5); // the last of 14 columns
    press(Qt::Key_Right);
    EXPECT_EQ(at(), (BallCell{14, 5}));
    EXPECT_EQ(room().Model().room.OffsetX, -1); // in the last column again
    EXPECT_EQ(point().PixelX, 120 + 13 * 20);
    placePoint(-1, 0);
    press(Qt::Key_Up);
    EXPECT_EQ(room().Model().room.OffsetY, 1); // row -1 at the top
    placePoint(-1, 12);                        // the last row but one is the lowest
    press(Qt::Key_Down);
    EXPECT_EQ(room().Model().room.OffsetY, 14 - 13 - 2);
    press(Qt::Key_Left, {true, false, false}); // Shift: a step of four
    EXPECT_EQ(point().X, -5);
    EXPECT_EQ(room().Model().room.OffsetX, 5);
}

TEST_F(RoomPointTest, NextAndPreviousBallFollowTheLanesBallListsAcrossRows) {
    make();
    laneWithBalls(2, {7});
    laneWithBalls(5, {9, 3});
    arrangement.balls.Add(1, 3, TPiece::kNoOwnHue, false); // no lane: not a target
    laneWithBalls(700, {0});                               // beyond 500 rows
    placePoint(7, 2);
    press(Qt::Key_Tab);
    EXPECT_EQ(at(), (BallCell{3, 5}));
    press(Qt::Key_Tab);
    EXPECT_EQ(at(), (BallCell{9, 5}));
    EXPECT_FALSE(room().MovePointToBall(true));
    EXPECT_EQ(at(), (BallCell{9, 5}));
    press(Qt::Key_Backtab, {true, false, false});
    EXPECT_EQ(at(), (BallCell{3, 5}));
    press(Qt::Key_Backtab, {true, false, false});
    EXPECT_EQ(at(), (BallCell{7, 2}));

    // The farthest column is found at once, and the view goes there.
    laneWithBalls(6, {1999999});
    placePoint(9, 5);
    press(Qt::Key_Tab);
    EXPECT_EQ(at(), (BallCell{1999999, 6}));
    EXPECT_EQ(room().LastVisibleColumn(), 1999999);
}

TEST_F(RoomPointTest, HomeAndEndGoToTheLanesBallsThenToZeroAndTheEndFlag) {
    make();
    laneWithBalls(2, {9, 4});
    placePoint(6, 2);
    press(Qt::Key_Home);
    EXPECT_EQ(point().X, 4);
    press(Qt::Key_Home);
    EXPECT_EQ(point().X, 0);
    press(Qt::Key_End);
    EXPECT_EQ(point().X, 9);
    press(Qt::Key_End);
    EXPECT_EQ(point().X, 32); // the end flag's column
    EXPECT_EQ(room().Model().room.OffsetX, 14 - 32 - 1);
    placePoint(5, 3); // a row without a lane
    press(Qt::Key_End);
    EXPECT_EQ(point().X, 0);
    press(Qt::Key_Home, ctrl);
    EXPECT_EQ(point().X, 0); // the start flag is at 0
}

} // namespace
