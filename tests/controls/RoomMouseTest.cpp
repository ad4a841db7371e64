#include "RoomFixture.h"
#include "controls/BallOperations.h"

namespace {

class RoomMouseTest : public RoomFixture {
protected:
    void click(MouseButton button, int x, int y, ShiftState shift = {}) {
        room().MouseDown(button, x, y, shift);
        room().MouseUp(x, y);
    }
    TThePoint& point() { return room().Model().room.Point; }
};

TEST_F(RoomMouseTest, ClicksPlaceAndRemoveBallsAndMoveThePointWhateverTheyDid) {
    make();
    click(MouseButton::Left, 185, 65); // column 3, row 2
    ASSERT_EQ(arrangement.balls.Count(), 1);
    EXPECT_TRUE(arrangement.balls.Find(3, 2));
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeBallPlaced);
    EXPECT_EQ(audio.armed, std::vector<TBall*>{&arrangement.balls.At(0)});
    EXPECT_EQ(point().X, 3);

    click(MouseButton::Left, 185, 65); // taken: nothing placed
    EXPECT_EQ(arrangement.balls.Count(), 1);
    click(MouseButton::Right, 245, 105, {false, false, true}); // Ctrl: nothing removed or placed
    EXPECT_EQ(arrangement.balls.Count(), 1);
    EXPECT_EQ(point().X, 6);
    click(MouseButton::Right, 185, 65);
    EXPECT_EQ(arrangement.balls.Count(), 0);
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeBallRemoved);

    // An empty cell removes nothing and records no change.
    arrangement.plan.ClearModified();
    EXPECT_FALSE(RemoveBallAtCell(arrangement, &room(), 3, 2, kChangeBallRemoved));
    EXPECT_EQ(arrangement.plan.LastChangeCode(), 0);
}

TEST_F(RoomMouseTest, AltPlacesASecondBallOnADiagonalOnlyOnARowWithoutALane) {
    make();
    arrangement.lanes.Add(4, 20, false);
    click(MouseButton::Left, 185, 105, {false, true, false}); // (3, 4) has a lane
    EXPECT_EQ(arrangement.balls.Count(), 1);
    click(MouseButton::Left, 185, 65, {false, true, false}); // (3, 2) has none
    ASSERT_EQ(arrangement.balls.Count(), 3);
    const TBall& second = arrangement.balls.At(2);
    EXPECT_EQ(std::abs(second.X() - 3), 1);
    EXPECT_EQ(std::abs(second.Y() - 2), 1);
    EXPECT_EQ(audio.armed.size(), 2u); // the second ball is not armed
}

TEST_F(RoomMouseTest, AClickInThePartlyShownColumnScrollsItIntoView) {
    host.layout = {0, 0, kWidth + 10, kHeight, kWidth + 10, kHeight};
    make();
    click(MouseButton::Left, 405, 65);
    EXPECT_TRUE(arrangement.balls.Find(14, 2));
    EXPECT_EQ(room().Model().room.OffsetX, -1);
    EXPECT_EQ(point().X, 14);
    EXPECT_EQ(point().PixelX, 120 + 13 * 20);
}

TEST_F(RoomMouseTest, WithTheMoveCursorTheViewFollowsTheMouseACellPerTwentyPixels) {
    make();
    room().SetOffsets(8, 8);
    host.moveAllCursor = true;
    room().MouseDown(MouseButton::Left, 200, 100, {});
    room().CapturedMouseMove(MouseButton::Left, 201, 101, {});
    EXPECT_EQ(room().Model().room.OffsetX, 8); // no jump on the first small move
    EXPECT_EQ(room().Model().room.OffsetY, 8);
    room().CapturedMouseMove(MouseButton::Left, 245, 70, {});
    EXPECT_EQ(room().Model().room.OffsetX, 10);
    EXPECT_EQ(room().Model().room.OffsetY, 7);
    room().CapturedMouseMove(MouseButton::Left, 1000, 70, {}); // outside the room, still dragging
    EXPECT_EQ(room().Model().room.OffsetX, 48);
    room().MouseUp(1000, 70);
    EXPECT_FALSE(room().Dragging());
    EXPECT_EQ(arrangement.balls.Count(), 0);
}

} // namespace
