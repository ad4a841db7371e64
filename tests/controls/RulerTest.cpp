#include "RoomFixture.h"
#include "controls/BuiltInDrawings.h"
#include "controls/DrawingSurfaces.h"

namespace {

constexpr int64_t kStep = 11025;

class RulerTest : public RoomFixture {
protected:
    void click(int x, ShiftState shift) {
        ruler().MouseDown(MouseButton::Left, x, 10, shift);
        ruler().MouseUp(x, 10);
    }
    const ShiftState ctrl{false, false, true};
    const ShiftState alt{false, true, false};
};

TEST_F(RulerTest, ClicksSnapToTheNearestCellEdgeAndShiftToThePixel) {
    make();                                                  // the room starts at 120
    EXPECT_EQ(ruler().GetDestByte(130, false).count, kStep); // 10 pixels in: the next edge
    EXPECT_EQ(ruler().GetDestByte(129, false).count, 0);
    EXPECT_EQ(ruler().GetDestByte(110, false).count, -kStep);
    EXPECT_EQ(ruler().GetDestByte(111, false).count, 0);
    EXPECT_EQ(ruler().GetDestByte(130, true).count, 10 * kStep / 20);
    room().SetOffsetX(2);
    EXPECT_EQ(ruler().GetDestByte(130, false).count, -kStep);

    click(170, {});
    click(0, {}); // far left of the room: no further than five steps left of the view
    EXPECT_EQ(transport.gone, (std::vector<Elements>{{kStep}, {-7 * kStep}}));
}

TEST_F(RulerTest, ANewRangeWhileRollingRoundRobinKeepsTheMixInStep) {
    make();
    audio.playing = true;
    transport.roundRobin = true;
    mixer.Script({2 * kStep});
    click(230, ctrl); // start at 6 steps, ahead of the line: roll from there
    EXPECT_EQ(transport.rolled, (std::vector<Elements>{{6 * kStep}}));
    click(130, ctrl); // start at 1 step, behind the line: the range changes under the mix
    EXPECT_EQ(transport.rangeChanges, 1);
    click(820, alt); // a later end (35 steps): the balls beyond the old end are armed too
    EXPECT_EQ(transport.rangeChanges, 2);
    EXPECT_EQ(transport.reschedules, 1);
    EXPECT_EQ(room().Model().room.OffsetX, 13 - 35); // the room scrolled to the new end
    transport.looping = true;
    click(150, ctrl);
    EXPECT_EQ(transport.gone, (std::vector<Elements>{arrangement.plan.Start}));
    transport.roundRobin = false;
    click(170, alt);
    EXPECT_EQ(transport.gone.size(), 1u);
}

TEST_F(RulerTest, HoveringShowsTheTimeInTheWatchUntilTheMouseLeaves) {
    make();
    ruler().MouseMove(320, 10); // 10 steps of 62.5 ms
    EXPECT_EQ(watch.painter, &ruler());
    EXPECT_EQ(ruler().Peek, (PeekedTime{"0", "0", "625", false}));
    QPainter painter(&interior->Surfaces.CompositionBitmap);
    watch.painter->PaintDigits(painter);
    EXPECT_EQ(watch.shown.size(), 1u);
    ruler().MouseMove(20, 10); // five steps left of the room's origin
    EXPECT_TRUE(ruler().Peek.negative);
    ruler().MouseLeave();
    EXPECT_EQ(watch.painter, nullptr);
}

TEST_F(RulerTest, ARightClickOpensItsMenuAndInFullScreenTheIconOpensTheMainMenu) {
    make();
    ruler().MouseDown(MouseButton::Right, 170, 10, {});
    ruler().MouseUp(175, 12);
    EXPECT_EQ(menus.rulerMenus, (std::vector<QPoint>{{175, 12}}));
    EXPECT_TRUE(transport.gone.empty()) << "the line stays";
    click(170, {});
    EXPECT_EQ(menus.rulerMenus.size(), 1u) << "a left click opens no menu";
    EXPECT_EQ(menus.mainMenus, 0);

    const int32_t icon = ruler().BoundsRect.Left + 5;
    click(icon, {});
    EXPECT_EQ(menus.mainMenus, 0) << "no icon outside full screen";
    host.fullScreen = true;
    const size_t moves = transport.gone.size();
    click(icon, {});
    EXPECT_EQ(menus.mainMenus, 1);
    EXPECT_EQ(transport.gone.size(), moves) << "the icon moves no line";
}

TEST_F(RulerTest, NumberedCellsFollowTheLaneStripAndTheMarkerStaysInsideTheRuler) {
    make();
    const QRgb tick = ToQColor(kRulerTickColour).rgb();
    // A numbered cell's right line runs from the top; a plain one's from the middle.
    EXPECT_EQ(pixel(39, 2), tick);
    EXPECT_NE(pixel(79, 2), tick);
    interior->Lanes->SetVisible(false);
    interior->ResizeAll();
    repaint();
    EXPECT_NE(pixel(39, 2), tick);
    EXPECT_EQ(pixel(79, 2), tick); // the numbers move on by six cells

    room().MovePointTo(-50, 0); // far left of the view
    EXPECT_EQ(ruler().PointMarkerRect(), QRect(4, 4, 11, 11));
    room().MovePointTo(50, 0);
    EXPECT_EQ(ruler().PointMarkerRect(), QRect(384, 4, 11, 11));
    room().MovePointTo(3, 0);
    EXPECT_EQ(ruler().PointMarkerRect(), QRect(64, 4, 11, 11));
}

} // namespace
