#include "controls/MouseRouter.h"
#include "controls/ControlFakes.h"
#include "controls/DrawingSurfaces.h"

#include <gtest/gtest.h>

namespace {

// Remembers the button a captured move came with.
class DraggingControl : public RecordingControl {
public:
    using RecordingControl::RecordingControl;
    void CapturedMouseMove(MouseButton pressed, int32_t x, int32_t y, ShiftState shift) override {
        note(QString("drag %1 %2,%3%4")
                 .arg(int(pressed))
                 .arg(x)
                 .arg(y)
                 .arg(shift.ctrl ? " ctrl" : ""));
    }
};

class MouseRouterTest : public ::testing::Test {
protected:
    MouseRouterTest() {
        router.SetOrders({{&top}, {nullptr}, {&room, true}, {&ruler}}, {&top, nullptr, &ruler});
    }

    FakeHost host;
    DrawingSurfaces surfaces;
    std::vector<QString> journal; // outlives the controls, which note their end
    TCtrlList list{host, surfaces};
    RecordingControl& ruler = list.Create<RecordingControl>("ruler", journal, TRect{0, 0, 100, 20});
    DraggingControl& room = list.Create<DraggingControl>("room", journal, TRect{0, 20, 100, 100});
    RecordingControl& top = list.Create<RecordingControl>("top", journal, TRect{50, 50, 70, 70});
    MouseRouter router{list};
};

TEST_F(MouseRouterTest, APressGoesToTheFirstVisibleControlInOrderAndTheRoomEvenHidden) {
    EXPECT_EQ(router.MouseDown(MouseButton::Left, 60, 60, {}), &top);
    router.MouseUp(60, 60);
    top.SetVisible(false);
    room.SetVisible(false);
    EXPECT_EQ(router.MouseDown(MouseButton::Left, 60, 60, {}), &room);
    router.MouseUp(60, 60);
    EXPECT_EQ(router.MouseDown(MouseButton::Left, 200, 5, {}), nullptr);
    EXPECT_EQ(router.PressedButton, MouseButton::Left);
    ruler.SetVisible(false); // hidden: no press, no hover
    journal.clear();
    EXPECT_EQ(router.MouseDown(MouseButton::Right, 10, 10, {}), nullptr);
    router.MouseMove(10, 10, {});
    EXPECT_TRUE(journal.empty());
}

TEST_F(MouseRouterTest, TheCapturedControlGetsEveryMoveAndTheReleaseOutsideIt) {
    router.MouseDown(MouseButton::Right, 10, 30, ShiftState{false, false, true});
    journal.clear();
    router.MouseMove(500, 5, ShiftState{false, false, true});
    EXPECT_TRUE(router.MouseUp(500, 5));
    EXPECT_EQ(journal, (std::vector<QString>{"room:drag 1 500,5 ctrl", "room:up 500,5"}));
    EXPECT_EQ(list.CapturedCtrl, nullptr);
    EXPECT_EQ(router.PressedButton, MouseButton::None);
    EXPECT_FALSE(router.MouseUp(500, 5));
}

TEST_F(MouseRouterTest, HoverMovesLeaveThePreviousControlFirst) {
    router.MouseMove(10, 10, {});
    router.MouseMove(11, 10, {});
    router.MouseMove(60, 60, {});
    router.MouseMove(10, 60, {}); // over the room, which cannot be hovered
    router.MouseMove(60, 60, {});
    router.MouseLeave();
    EXPECT_EQ(journal,
              (std::vector<QString>{"ruler:move 10,10", "ruler:move 11,10", "ruler:leave",
                                    "top:move 60,60", "top:leave", "top:move 60,60", "top:leave"}));
    EXPECT_EQ(list.HoveredCtrl, nullptr);
}

} // namespace
