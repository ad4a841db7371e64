#include "WindowFixture.h"
#include "controls/DrawingSurfaces.h"
#include "controls/TheRoom.h"
#include "controls/TheRuler.h"

#include <QApplication>
#include <QWheelEvent>

namespace {

constexpr int64_t kStep = 11025; // elements per step of the default plan: 20 pixels

// Counts what the room and the line ask the window to draw again.
class CountingWindow : public TGlorinbaxMF {
public:
    using TGlorinbaxMF::TGlorinbaxMF;
    void CopyToWindow(const QRect& rect) override {
        copied.push_back(rect);
        TGlorinbaxMF::CopyToWindow(rect);
    }
    std::vector<QRect> copied;
};

class RollingMixer : public FakeMixer {
public:
    PositionReading HeardPosition() override { return {true, Elements{position}, {}}; }
    int64_t position = 0;
};

// The window at 400 x 300 without padding or meters, with our room and ruler and a bare lane
// strip: the room starts at (120, 20) with 14 columns and 14 rows.
class RoomWindowTest : public WindowFixture<RollingMixer> {
protected:
    RoomWindowTest() {
        settings.SetText(kWithoutMasterMeters);
        window = std::make_unique<CountingWindow>(setup(roomMakers(watch)));
        showStarted(*window);
        mixer.level = {LevelReading::Status::Ok, 0, {}};
    }
    TTheRoom& room() { return *TheRoomOf(window->Interior()); }
    TThePoint& point() { return arrangement.room.Point; }

    FakeWatch watch;
    std::unique_ptr<CountingWindow> window;
};

TEST_F(RoomWindowTest, AClickPlacesABallAndARightClickRemovesIt) {
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(185, 65));
    ASSERT_TRUE(arrangement.balls.Find(3, 2));
    EXPECT_EQ(arrangement.plan.LastChangeCode(), 64);
    EXPECT_TRUE(arrangement.plan.Modified());
    EXPECT_EQ(window->grab().toImage().pixel(189, 69), qRgb(255, 255, 255)); // the dot's centre
    QTest::mouseClick(window.get(), Qt::RightButton, {}, QPoint(185, 65));
    EXPECT_EQ(arrangement.balls.Count(), 0);
    EXPECT_EQ(arrangement.plan.LastChangeCode(), 68);
}

TEST_F(RoomWindowTest, AnAltClickOnARowWithoutALanePlacesASecondBallOnADiagonal) {
    QTest::mouseClick(window.get(), Qt::LeftButton, Qt::AltModifier, QPoint(185, 65));
    ASSERT_EQ(arrangement.balls.Count(), 2);
    const TBall& second = arrangement.balls.At(1);
    EXPECT_EQ(std::abs(second.X() - 3), 1);
    EXPECT_EQ(std::abs(second.Y() - 2), 1);
    arrangement.lanes.Add(6, 20, false);
    QTest::mouseClick(window.get(), Qt::LeftButton, Qt::AltModifier, QPoint(185, 145));
    EXPECT_EQ(arrangement.balls.Count(), 3);
    EXPECT_TRUE(arrangement.balls.Find(3, 6));
}

TEST_F(RoomWindowTest, KeysMoveThePointAndScrollTheRoomAtItsEdge) {
    QTest::keyClick(window.get(), Qt::Key_Right);
    QTest::keyClick(window.get(), Qt::Key_Down);
    EXPECT_EQ(point().X, 1);
    EXPECT_EQ(point().Y, 1);
    QTest::keyClick(window.get(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(arrangement.room.OffsetX, -1);
    EXPECT_EQ(point().X, 1);
    for (int i = 0; i < 14; ++i) // one more than the last column
        QTest::keyClick(window.get(), Qt::Key_Right);
    EXPECT_EQ(point().X, 15);
    EXPECT_EQ(point().X + arrangement.room.OffsetX, 13);
    QTest::keyClick(window.get(), Qt::Key_Insert);
    EXPECT_TRUE(arrangement.balls.Find(15, 1));
    arrangement.lanes.Add(3, 20, false);
    arrangement.balls.Add(40, 3, TPiece::kNoOwnHue, false);
    QTest::keyClick(window.get(), Qt::Key_Tab); // the next ball, not the next focus
    EXPECT_EQ(point().X, 40);
    EXPECT_EQ(point().Y, 3);
}

TEST_F(RoomWindowTest, CtrlAndAltClicksOnTheRulerSetTheRangeSnappedOrWithShiftExact) {
    QTest::mouseClick(window.get(), Qt::LeftButton, Qt::ControlModifier, QPoint(170, 10));
    EXPECT_EQ(arrangement.plan.Start.count, 3 * kStep);
    EXPECT_EQ(arrangement.room.StartFlag().PixelX, 179);
    EXPECT_EQ(arrangement.plan.LastChangeCode(), TTheRuler::kChangeStart);
    QTest::mouseClick(window.get(), Qt::LeftButton, Qt::AltModifier, QPoint(249, 10));
    EXPECT_EQ(arrangement.plan.End.count, 6 * kStep);
    QTest::mouseClick(window.get(), Qt::LeftButton, Qt::AltModifier | Qt::ShiftModifier,
                      QPoint(249, 10));
    EXPECT_EQ(arrangement.plan.End.count, 129 * kStep / 20);
    EXPECT_EQ(arrangement.room.EndFlag().Position, arrangement.plan.End);
    EXPECT_EQ(arrangement.plan.LastChangeCode(), TTheRuler::kChangeEnd);
    EXPECT_TRUE(transport.gone.empty()); // neither click moved the line
}

TEST_F(RoomWindowTest, WhileRollingTheLineOnlyGoesOnAndEachTickRedrawsOnlyItsOwnPlace) {
    audio.playing = true;
    const int32_t columnHeight = 300 - 9;
    int32_t lastX = room().Line().PixelX;
    for (int tick = 1; tick <= 30; ++tick) {
        // 20 ms of sound per tick, and a heard position that now and then slips back.
        mixer.position = tick * 3528 - (tick % 7 == 0 ? 5000 : 0);
        window->copied.clear();
        window->LineTick(false);
        const int32_t x = room().Line().PixelX;
        ASSERT_GE(x, lastX) << tick;
        int area = 0;
        for (const QRect& r : window->copied) {
            EXPECT_TRUE(r.width() <= 5 || r.height() == 1) << tick;
            area += r.width() * r.height();
        }
        EXPECT_LE(area, 2 * 5 * 9 + 2 * columnHeight + (x - lastX) + 1) << tick;
        if (x == lastX) {
            EXPECT_EQ(area, 0) << tick;
        }
        lastX = x;
    }
    EXPECT_GT(lastX, 119 + 100);
    const QImage shown = window->grab().toImage();
    const QRgb lineColour = ToQColor(window->Interior().Style().Line.Line).rgb();
    EXPECT_EQ(shown.pixel(lastX, 150), lineColour);
    EXPECT_NE(shown.pixel(lastX - 1, 150), lineColour);
}

TEST_F(RoomWindowTest, TheWheelScrollsTheRoomAndLeavesThePoint) {
    const auto turn = [this](int delta, Qt::KeyboardModifiers modifiers) {
        const QPointF at(185, 65);
        QWheelEvent wheel(at, window->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(window.get(), &wheel);
    };
    const TRoomState& view = arrangement.room;
    const int32_t x = view.OffsetX;
    const int32_t y = view.OffsetY;
    const TThePoint before = point();
    const int lines = QApplication::wheelScrollLines();
    turn(-120, {}); // down: the later rows come into view
    EXPECT_EQ(view.OffsetY, y - lines);
    turn(120, Qt::ShiftModifier); // Shift: the earlier columns
    EXPECT_EQ(view.OffsetX, x + lines);
    EXPECT_EQ(view.OffsetY, y - lines);
    EXPECT_EQ(point().X, before.X);
    EXPECT_EQ(point().Y, before.Y);
}

} // namespace
