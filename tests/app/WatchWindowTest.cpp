#include "WindowFixture.h"
#include "app/InteriorPeers.h"
#include "controls/TheRoom.h"
#include "controls/TheSlider.h"
#include "controls/TheWatch.h"
#include "controls/WatchDigitText.h"
#include "controls/WatchGlyphs.h"
#include "controls/WatchRelay.h"
#include "controls/WatchTyper.h"

namespace {

constexpr int32_t kTempoCommand = 115;

// The window at 400 x 300 without padding or meters, with our room, ruler, watch and slider; the
// room and the slider reach the watch through the relay and the window's peers paint it, as in
// the program.
class WatchWindowTest : public WindowFixture<FakeMixer, InteriorPeers> {
protected:
    WatchWindowTest() { make(false); }
    // Made again with the master meters when a test needs them.
    void make(bool meters) {
        peers.AttachInterior(nullptr);
        window.reset();
        settings.SetText(meters ? QString() : kWithoutMasterMeters);
        ControlMakers makers = roomMakers(relay);
        AddWatch(makers, arrangement, menus, relay);
        AddSlider(makers, SliderLinks{arrangement, transport, relay, menus});
        window = std::make_unique<TGlorinbaxMF>(setup(makers));
        peers.AttachInterior(&window->Interior());
        showStarted(*window);
    }
    ~WatchWindowTest() override { peers.AttachInterior(nullptr); }
    TTheWatch& watch() { return *TheWatchOf(window->Interior()); }
    TWatchTyper& typer() { return watch().Typer(); }
    QPoint inWatch() { return QPoint(watch().BoundsRect.Left + 60, watch().BoundsRect.Top + 20); }

    // The characters whose strip glyphs an image of the window shows at the places; '#' where
    // none matches.
    QString shownText(const QImage& image) {
        const QImage& strip = watch().DigitStrip();
        QString text;
        for (int place = 1; place <= kWatchPlaces; ++place) {
            const QPoint at =
                QPoint(watch().BoundsRect.Left, watch().BoundsRect.Top) + WatchPlace(place);
            const QImage shown = image.copy(at.x(), at.y(), kGlyphWidth, kGlyphHeight)
                                     .convertToFormat(QImage::Format_RGB32);
            QChar found = u'#';
            for (int g = 0; g < kGlyphCount; ++g)
                if (shown == strip.copy(g * kGlyphWidth, 0, kGlyphWidth, kGlyphHeight)
                                 .convertToFormat(QImage::Format_RGB32))
                    found = QChar(kWatchBlank + g);
            text += found;
        }
        return text;
    }
    QString onScreen() { return shownText(window->grab().toImage()); }

    WatchRelay relay;
    std::unique_ptr<TGlorinbaxMF> window;
};

TEST_F(WatchWindowTest, TheWindowShowsTheLinesTimeAndTheLineTickFollowsIt) {
    EXPECT_EQ(watch().BoundsRect, (TRect{0, 262, 120, 300}));
    EXPECT_EQ(onScreen(), "/0/0//0");
    TheRoomOf(window->Interior())->Line().SetPosition(Elements{44100 * 4 * 65 + 44100}, false);
    window->LineTick(true); // a direct tick shows the third group whole
    EXPECT_EQ(shownText(window->Interior().Surfaces.CompositionBitmap), "/1/5250");
    QTest::qWait(0);
    EXPECT_EQ(onScreen(), "/1/5250");
    window->LineTick(false); // while rolling the third group ends in the mark
    EXPECT_EQ(shownText(window->Interior().Surfaces.CompositionBitmap), "/1/525;");
}

TEST_F(WatchWindowTest, KeysPressedInTheWindowTypeTheTempo) {
    TyperStart start;
    start.intTarget = &arrangement.plan.MPH;
    start.commandId = kTempoCommand;
    start.range = {1, 999, 70, 1};
    ASSERT_TRUE(typer().Start(start));
    QTest::keyClick(window.get(), Qt::Key_9);
    QTest::keyClick(window.get(), Qt::Key_5, Qt::KeypadModifier);
    QTest::qWait(0);
    EXPECT_EQ(onScreen(), "95/////");
    QWheelEvent up(QPointF(inWatch()), window->mapToGlobal(QPointF(inWatch())), {}, {0, 120},
                   Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(window.get(), &up); // the wheel over the watch is Up
    EXPECT_EQ(typer().Value(), 96);
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_EQ(arrangement.plan.MPH.Text(), "96");
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kTempoCommand);
}

TEST_F(WatchWindowTest, ClosingStopsTheCaretAndTheFlash) {
    TyperStart start;
    start.range = {0, 99, 0, 1};
    ASSERT_TRUE(typer().Start(start));
    EXPECT_EQ(typer().CaretTimer().isActive(), QApplication::cursorFlashTime() > 0);
    typer().End(true);
    EXPECT_TRUE(typer().FlashTimer().isActive());
    window->DoneTimers();
    EXPECT_FALSE(typer().CaretTimer().isActive());
    EXPECT_FALSE(typer().FlashTimer().isActive());
}

TEST_F(WatchWindowTest, EscapeEndsTypingWithoutClosingAndAClickOnTheWatchCommits) {
    TLane& lane = arrangement.lanes.Add(0, 0, false);
    TyperStart start;
    start.extTarget = &lane.Piece().Pan;
    start.commandId = 114;
    start.range = {-100, 100, -100, 2};
    start.noneValue = -100000;
    ASSERT_TRUE(typer().Start(start));
    QTest::keyClick(window.get(), Qt::Key_3);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(typer().Active());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(lane.Piece().Pan.Value(), TPiece::kPanNotSet);

    ASSERT_TRUE(typer().Start(start));
    QTest::keyClick(window.get(), Qt::Key_3);
    QTest::keyClick(window.get(), Qt::Key_Minus);
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, inWatch());
    EXPECT_FALSE(typer().Active());
    EXPECT_EQ(lane.Piece().Pan.Text(), "-3/100");
}

TEST_F(WatchWindowTest, ALeftPressOnAMasterMeterEndsTypingWithoutApplying) {
    make(true);
    TyperStart start;
    start.range = {0, 99, 0, 1};
    int ended = 0;
    start.cancelled = [&ended] { ++ended; };
    ASSERT_TRUE(typer().Start(start));
    QTest::mouseClick(window.get(), Qt::RightButton, {}, QPoint(398, 100));
    EXPECT_TRUE(typer().Active()); // the right button opens the meters' menu instead
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(1, 100));
    EXPECT_FALSE(typer().Active());
    EXPECT_EQ(ended, 1);
}

} // namespace
