#include "MenusFixture.h"

#include "controls/RoomFixture.h"
#include "controls/TheLine.h"

#include <QMenu>

namespace {

// The key map's menus over a real room, ruler and lane strip.
class MenusAtPoint : private WithApplication, public RoomFixture {
protected:
    MenusAtPoint() {
        make();
        window.widget.setGeometry(30, 40, kWidth, kHeight);
        window.widget.show();
        programMenus.Attach(MenusSetup{window, *interior, store, facts, commands, contexts,
                                       [] { return OutputDeviceList{}; }});
    }
    ~MenusAtPoint() override { programMenus.Detach(); }

    // Opens by the given call and tells which menu opened where, in client coordinates.
    template <class Open> std::pair<QMenu*, QPoint> opened(Open open) {
        std::pair<QMenu*, QPoint> seen{nullptr, {}};
        WhileOpen(
            [&] {
                auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                if (popup)
                    seen = {popup, window.widget.mapFromGlobal(popup->pos())};
            },
            open);
        return seen;
    }

    TWideMemIniFile store{QString{}};
    FakeMenuFacts facts;
    FakeMenuWindow window;
    CommandTable commands;
    CommandState commandState;
    ContextCommands contexts{arrangement, commandState, commands};
    ProgramMenus programMenus;
};

TEST_F(MenusAtPoint, BallAndLaneMenusOpenBelowThePointOrFallBackToTheirSurroundings) {
    room().MovePointTo(3, 2);
    const TThePoint& point = arrangement.room.Point;
    const QPoint belowPoint(point.PixelX + 1, point.PixelY + 19);

    facts.state.ball = BallFacts{};
    auto [menu, at] = opened([&] { programMenus.ShowBallMenuAtPoint(); });
    EXPECT_EQ(menu, programMenus.Context(ContextMenu::Ball));
    EXPECT_EQ(at, belowPoint);
    facts.state.ball.reset();
    EXPECT_EQ(opened([&] { programMenus.ShowBallMenuAtPoint(); }).first,
              programMenus.Context(ContextMenu::Room));

    const QPoint rightOfStrip(interior->Lanes->BoundsRect.Right + 1, point.PixelY + 19);
    facts.state.lane = LaneFacts{};
    std::tie(menu, at) = opened([&] { programMenus.ShowLaneMenuAtPoint(); });
    EXPECT_EQ(menu, programMenus.Context(ContextMenu::Lane));
    EXPECT_EQ(at, rightOfStrip);
    facts.state.lane.reset();
    EXPECT_EQ(opened([&] { programMenus.ShowLaneMenuAtPoint(); }).first,
              programMenus.Context(ContextMenu::LaneStrip));
}

TEST_F(MenusAtPoint, TheRulerMenuOpensAtTheLineOnTheRulersBottom) {
    const auto [menu, at] = opened([&] { programMenus.ShowRulerMenuAtLine(); });
    EXPECT_EQ(menu, programMenus.Context(ContextMenu::Ruler));
    EXPECT_EQ(at, QPoint(room().Line().ComputePixelX(), interior->Ruler->BoundsRect.Bottom));
}

} // namespace
