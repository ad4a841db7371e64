#include "RoomFixture.h"

namespace {

class RoomMouseTest : public RoomFixture {
protected:
    void click(MouseButton button, int x, int y, ShiftState shift = {}) {
        room().MouseDown(button, x, y, shift);
        room().MouseUp(x, y);
    }
    TThePoint& point() { return room().Model().room.Point; }
    FakeBalls::Call placedAt(int32_t column, int32_t row, bool alt = false) {
        return {column, row, alt, 0, &room()};
    }
    FakeBalls::Call removedAt(int32_t column, int32_t row) {
        return {column, row, false, kChangeBallRemoved, &room()};
    }
};

TEST_F(RoomMouseTest, ClicksPlaceAndRemoveBallsAtTheirCellAndMoveThePointWhateverTheyDid) {
    make();
    room().SetOffsets(-2, 1);
    click(MouseButton::Left, 185, 65); // column 3, row 2
    click(MouseButton::Left, 185, 65, {false, true, false});
    EXPECT_EQ(balls.placed, (std::vector{placedAt(3, 2), placedAt(3, 2, true)}));
    EXPECT_EQ(point().X, 5); // the cell's X is column - OffsetX
    EXPECT_EQ(point().Y, 1);

    click(MouseButton::Right, 245, 105, {false, false, true}); // Ctrl: nothing removed or placed
    click(MouseButton::Left, 245, 105, {false, false, true});
    EXPECT_EQ(balls.placed.size(), 2u);
    EXPECT_TRUE(balls.removed.empty());
    EXPECT_EQ(point().X, 8);
    click(MouseButton::Right, 185, 65);
    EXPECT_EQ(balls.removed, std::vector{removedAt(3, 2)});
    click(MouseButton::Middle, 185, 65);
    EXPECT_EQ(balls.placed.size() + balls.removed.size(), 3u);
}

TEST_F(RoomMouseTest, ARightClickWithCtrlOpensTheBallMenuOfTheCellItMovedThePointTo) {
    make();
    room().MouseDown(MouseButton::Right, 185, 65, {false, false, true});
    EXPECT_TRUE(menus.ballMenus.empty()); // not before the button is up
    EXPECT_EQ(point().X, 3);
    EXPECT_EQ(point().Y, 2);
    room().MouseUp(187, 66);
    EXPECT_EQ(menus.ballMenus, std::vector{QPoint(187, 66)});
    EXPECT_FALSE(interior->TheCtrls.CapturedCtrl);

    // Without Ctrl the right button removes, and the left one with Ctrl only moves the point.
    click(MouseButton::Right, 185, 65);
    click(MouseButton::Left, 185, 65, {false, false, true});
    click(MouseButton::Right, 185, 65, {true, false, false});
    // A press that ends the typing into the watch opens nothing.
    watch.typing = true;
    click(MouseButton::Right, 185, 65, {false, false, true});
    EXPECT_EQ(menus.ballMenus.size(), 1u);
    EXPECT_EQ(watch.typingEnds, 1);
}

TEST_F(RoomMouseTest, InsertAndDeletePlaceAndRemoveAtThePointWithoutModifiersOnly) {
    make();
    room().SetOffsets(1, 2);
    room().MovePointTo(4, 3);
    EXPECT_TRUE(room().RoomKeyDown(Qt::Key_Insert, {}));
    EXPECT_TRUE(room().RoomKeyDown(Qt::Key_Delete, {}));
    EXPECT_FALSE(room().RoomKeyDown(Qt::Key_Insert, {false, true, false}));
    EXPECT_FALSE(room().RoomKeyDown(Qt::Key_Delete, {true, false, false}));
    EXPECT_EQ(balls.placed, std::vector{placedAt(5, 5)});
    EXPECT_EQ(balls.removed, std::vector{removedAt(5, 5)});
}

TEST_F(RoomMouseTest, AClickInThePartlyShownColumnScrollsItIntoView) {
    host.layout = {0, 0, kWidth + 10, kHeight, kWidth + 10, kHeight};
    make();
    click(MouseButton::Left, 405, 65);
    EXPECT_EQ(balls.placed, std::vector{placedAt(14, 2)});
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
    EXPECT_TRUE(balls.placed.empty());
}

} // namespace
