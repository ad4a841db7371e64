#include "WatchFixture.h"
#include "controls/WatchDigitText.h"
#include "support/TimeText.h"

#include <QDir>
#include <QFile>

#include <limits>

namespace {

constexpr int64_t kStep = 11025; // elements per step at 120 MPH, 44100 Hz, resolution 16

TEST(WatchDigitText, TimesFillThreeGroupsAndMarkTheThirdWhileRolling) {
    EXPECT_EQ(TimeDigitText(0, true), "/0/0//0");
    EXPECT_EQ(TimeDigitText(0, false), "/0/0//;");
    EXPECT_EQ(TimeDigitText(65250, true), "/1/5250");
    EXPECT_EQ(TimeDigitText(65250, false), "/1/525;");
    EXPECT_EQ(TimeDigitText(-1500, true), ":0/1500");   // the minus before the minute's last digit
    EXPECT_EQ(TimeDigitText(-754321, true), ":234321"); // 12:34.321, hours and tens cut off
    EXPECT_EQ(TimeDigitText(3600000 + 7000, true), "/0/7//0");
    EXPECT_EQ(TimeDigitText("0", "0", "625", false, true), "/0/0625");
    EXPECT_EQ(MillisecondsOfPosition(Elements{44100 * 4}, 44100), 1000);
    EXPECT_EQ(MillisecondsOfPosition(Elements{-4410 * 4}, 44100), -100);
    EXPECT_EQ(MillisecondsOfPosition(Elements{4}, 0), 0);
}

TEST(WatchDigitText, StepCountsPutTheMinusInTheFirstPlace) {
    EXPECT_EQ(StepDigitText(Elements{0}, kStep), "//////0");
    EXPECT_EQ(StepDigitText(Elements{3 * kStep}, kStep), "//////3");
    EXPECT_EQ(StepDigitText(Elements{-1}, kStep), "://///1");
    EXPECT_EQ(StepDigitText(Elements{-kStep}, kStep), "://///1");
    EXPECT_EQ(StepDigitText(Elements{-kStep - 1}, kStep), "://///2");
    EXPECT_EQ(StepDigitText(Elements{-1234567 * kStep}, kStep), ":234567");
    EXPECT_EQ(StepDigitText(Elements{12345678 * kStep}, kStep), "2345678");
    EXPECT_EQ(StepDigitText(Elements{kStep}, 0), "//////0");
}

TEST(WatchDigitText, ExtremePositionsKeepTheSignOfTheirStepCount) {
    constexpr int64_t most = std::numeric_limits<int64_t>::max();
    constexpr int64_t least = std::numeric_limits<int64_t>::min();
    EXPECT_GT(StepOfPosition(Elements{most}, 1), 0);
    EXPECT_GT(StepOfPosition(Elements{most}, 1e-30L), 0); // a step length near nothing
    EXPECT_LT(StepOfPosition(Elements{least}, 1e-30L), 0);
    EXPECT_EQ(StepDigitText(Elements{least}, 1e-30L).at(0), QChar(kWatchMinus));
}

TEST(WatchGlyphs, TheBuiltInStripHasThirteenDistinctGlyphs) {
    const QImage strip = BuiltInDigitStrip();
    ASSERT_EQ(strip.size(), QSize(kGlyphWidth * kGlyphCount, kGlyphHeight));
    for (int a = 0; a < kGlyphCount; ++a)
        for (int b = a + 1; b < kGlyphCount; ++b)
            EXPECT_NE(strip.copy(a * kGlyphWidth, 0, kGlyphWidth, kGlyphHeight),
                      strip.copy(b * kGlyphWidth, 0, kGlyphWidth, kGlyphHeight))
                << a << " and " << b;
    EXPECT_EQ(GlyphOf(u'/'), 0);
    EXPECT_EQ(GlyphOf(u'0'), 1);
    EXPECT_EQ(GlyphOf(kWatchMark), 12);
    EXPECT_EQ(GlyphOf(u'x'), 0);
}

class WatchTest : public WatchFixture {};

TEST_F(WatchTest, StandsUnderTheLaneStripBesideTheLeftMeter) {
    settings.leftMeter = true;
    host.layout = {8, 8, 384, 284, 392, 292};
    make();
    EXPECT_EQ(watch().BoundsRect, (TRect{12, 254, 132, 292}));
}

TEST_F(WatchTest, PositionZeroShowsBlanksAndZerosStoppedAndTheMarkWhileRolling) {
    make();
    watch().Paint();
    EXPECT_EQ(shownText(), "/0/0//0");
    audio.playing = true;
    watch().Paint();
    EXPECT_EQ(shownText(), "/0/0//;");
}

TEST_F(WatchTest, StepModeShowsANegativeCountWithTheMinusGlyph) {
    make();
    watch().SwitchMode();
    EXPECT_TRUE(interior->WatchStates.secondMode);
    room().Line().SetPosition(Elements{-3 * kStep - 1}, false);
    watch().Paint();
    EXPECT_EQ(shownText(), "://///4");
    audio.playing = true; // steps show the same while rolling
    watch().Paint();
    EXPECT_EQ(shownText(), "://///4");
    audio.playing = false;
    room().Line().SetPosition(Elements{27 * kStep}, false);
    watch().Paint();
    EXPECT_EQ(shownText(), "/////27");
    watch().SwitchMode();
    watch().Paint();
    EXPECT_EQ(shownText(), "/0/1688"); // 27 steps of 62.5 ms
}

TEST_F(WatchTest, TheStylesStripAndBackgroundReplaceTheBuiltInOnes) {
    const QString folder = dir.path() + "interior/Default/";
    QDir().mkpath(folder);
    QImage strip(kGlyphWidth * kGlyphCount, kGlyphHeight, QImage::Format_RGB32);
    for (int g = 0; g < kGlyphCount; ++g)
        for (int x = 0; x < kGlyphWidth; ++x)
            for (int y = 0; y < kGlyphHeight; ++y)
                strip.setPixel(g * kGlyphWidth + x, y, qRgb(g * 10, 100, x + y));
    ASSERT_TRUE(strip.save(folder + "Watch_Digits.bmp"));
    QImage background(kWatchWidth, kWatchHeight, QImage::Format_RGB32);
    background.fill(qRgb(1, 2, 3));
    ASSERT_TRUE(background.save(folder + "Watch.bmp"));
    make();
    watch().Paint();
    EXPECT_EQ(shownAt(2), strip.copy(GlyphOf(u'0') * kGlyphWidth, 0, kGlyphWidth, kGlyphHeight));
    EXPECT_EQ(shownText(), "/0/0//0");
    EXPECT_EQ(interior->Surfaces.CompositionBitmap.pixel(1, 270), qRgb(1, 2, 3));
}

TEST_F(WatchTest, DimmedGlyphsAreDarkened) {
    make();
    watch().Dimmed = true;
    interior->Surfaces.DimAlpha = kDimmedAlpha;
    watch().Paint();
    const QImage zero = glyph(u'0');
    const QImage shown = shownAt(2);
    EXPECT_NE(shown, zero);
    EXPECT_NEAR(qRed(shown.pixel(0, 0)), 150, 1); // the background, 250 x 0.6
}

TEST_F(WatchTest, TheRulersPeekShowsInTheWatchUntilTheMouseLeaves) {
    make();
    ruler().MouseMove(320, 10); // 10 steps of 62.5 ms over the room at x = 120
    EXPECT_EQ(watch().CurrentPainter(), &ruler());
    EXPECT_EQ(shownText(), "/0/0625");
    EXPECT_FALSE(host.copied.empty()); // shown at once
    ruler().MouseLeave();
    EXPECT_NE(watch().CurrentPainter(), &ruler());
    EXPECT_EQ(shownText(), "/0/0//0");
}

TEST_F(WatchTest, TheSlidersValueShowsWhileTheMouseIsOverIt) {
    make();
    arrangement.plan.SetMasterLoudness(0.8L, false);
    slider().SyncToPlan();
    slider().MouseMove(190, 270);
    EXPECT_TRUE(watch().ShowsNumber());
    EXPECT_EQ(shownText(), "/////80");
    slider().SetPeekedLane(TTheSlider::PeekedLane{25, true}); // a pan of -50
    slider().MouseMove(191, 270);
    EXPECT_EQ(shownText(), ":////50");
    slider().MouseLeave();
    EXPECT_FALSE(watch().ShowsNumber());
    EXPECT_EQ(shownText(), "/0/0//0");
}

TEST_F(WatchTest, CopyingGivesTheTimeTheStepOrTheTypedValue) {
    make();
    room().Line().SetPosition(Elements{44100 * 4 * 65 + 44100}, false); // 1:05.250
    EXPECT_EQ(watch().CopiedText(), "01:05:250");
    EXPECT_EQ(TimeFromText(watch().CopiedText()).count(), 65250);
    room().Line().SetPosition(Elements{-44100 * 4 * 61}, false);
    EXPECT_EQ(watch().CopiedText(), "-01:01:000");
    watch().SwitchMode();
    EXPECT_EQ(watch().CopiedText(), "-976"); // 61 s of 62.5 ms steps
    TyperStart start;
    start.range = {-959999, 5959999, 0, 5000, true};
    start.value = 105250;
    ASSERT_TRUE(watch().Typer().Start(start));
    EXPECT_EQ(watch().CopiedText(), "01:05:250");
}

TEST_F(WatchTest, ARightClickOpensTheWatchMenuOnReleaseAndALeftClickDoesNot) {
    make();
    const QPoint at(watch().BoundsRect.Left + 30, watch().BoundsRect.Top + 10);
    watch().MouseDown(MouseButton::Left, at.x(), at.y(), {});
    watch().MouseUp(at.x(), at.y());
    watch().MouseDown(MouseButton::Right, at.x(), at.y(), {});
    EXPECT_TRUE(menus.watchMenus.empty());
    watch().MouseUp(at.x() + 2, at.y());
    EXPECT_EQ(menus.watchMenus, std::vector{QPoint(at.x() + 2, at.y())});
    EXPECT_FALSE(interior->TheCtrls.CapturedCtrl);
    // A release without a press of its own opens nothing.
    watch().MouseUp(at.x(), at.y());
    EXPECT_EQ(menus.watchMenus.size(), 1u);
}

TEST_F(WatchTest, TheRelayLetsGoOfAWatchThatIsGone) {
    make();
    EXPECT_EQ(relay.Attached(), &watch());
    interior.reset();
    EXPECT_EQ(relay.Attached(), nullptr);
    EXPECT_FALSE(relay.Typing());
    // Nothing in the program asks a relay without a watch: such a call is a fault, not silence.
    QFile log(faultlog::FilePath());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().contains("without a watch"));
}

} // namespace
