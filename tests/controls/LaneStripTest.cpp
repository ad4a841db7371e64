#include "RoomFixture.h"
#include "SoundFileFakes.h"
#include "controls/DrawingSurfaces.h"
#include "controls/LaneMeters.h"
#include "controls/LaneRowPainter.h"
#include "controls/MeterFill.h"
#include "controls/StyleTables.h"
#include "controls/TheLaneStrip.h"
#include "controls/TheSlider.h"
#include "controls/TheWatch.h"
#include "controls/WatchRelay.h"
#include "controls/WatchTyper.h"
#include "model/LaneEdits.h"

#include <QColor>
#include <QDir>

#include <algorithm>
#include <climits>

namespace {

// A square picture of one colour, written as a style bitmap.
void writeBitmap(const QString& path, const QColor& colour) {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(path, "BMP"));
}

int hueOf(QRgb pixel) {
    return QColor(pixel).hsvHue();
}

// The room's fixture with our lane strip: rows start at y = 20, a row every 20 pixels; the
// strike boxes are x 0 .. 19.
class LaneStripTest : public RoomFixture {
protected:
    LaneStripTest() {
        arrangement.plan.Master.Loudness.SetValue(1.0L);
        arrangement.plan.Master.Pan.SetValue(0.0L);
        AddLaneStrip(makers, LaneStripLinks{arrangement, mixer, watch, soundFiles, menus});
        AddSlider(makers, SliderLinks{arrangement, transport, watch, menus});
    }
    TTheSlider& slider() { return *TheSliderOf(*interior); }
    TTheLaneStrip& strip() { return *TheLaneStripOf(*interior); }
    // A style folder of our own, made before the interior loads it.
    QString styleFolder() {
        const QString folder = dir.file("interior/Default/");
        QDir().mkpath(folder);
        return folder;
    }
    void press(MouseButton button, int x, int y, ShiftState shift = {}) {
        strip().MouseDown(button, x, y, shift);
        strip().MouseUp(x, y);
    }
    static int rowY(int row) { return 20 + row * 20 + 10; }

    ChosenSoundFile soundFiles;
};

TEST_F(LaneStripTest, ALanesBallsShowTheRoomsBallPictureTintedWithItsHue) {
    const QColor blue = QColor::fromHsv(240, 255, 200);
    writeBitmap(styleFolder() + "Ball.bmp", blue);
    writeBitmap(styleFolder() + "Ball_Alt.bmp", blue);
    make();
    TLane& lane = arrangement.lanes.Add(2, 20, false);
    ASSERT_TRUE(arrangement.balls.Add(3, 2, TPiece::kNoOwnHue, false)); // x div 4 even
    ASSERT_TRUE(arrangement.balls.Add(5, 2, TPiece::kNoOwnHue, false)); // odd: the _Alt picture
    ASSERT_TRUE(arrangement.balls.Add(3, 4, TPiece::kNoOwnHue, false)); // no lane
    room().Paint();
    // Cells start at (120 + 20 X, 20 + 20 Y).
    EXPECT_NEAR(hueOf(pixel(185, 65)), 20, 1);
    EXPECT_NEAR(hueOf(pixel(225, 65)), 20, 1);
    EXPECT_EQ(QColor(pixel(185, 65)).value(), 200); // the picture's shading stays
    EXPECT_EQ(pixel(185, 105), blue.rgb());         // the room's own picture
    // A new hue: the lane's balls are drawn in it.
    strip().HueFromSlider(lane, 30);
    EXPECT_NEAR(hueOf(pixel(185, 65)), 120, 1);
}

TEST_F(LaneStripTest, WithoutPicturesRowsAreDrawnWithDotCrossNameAndLines) {
    make();
    TLane& open = arrangement.lanes.Add(0, 220, false);
    TLane& struck = arrangement.lanes.Add(1, 20, false);
    open.Piece().Handle = QStringLiteral("A name far too long to fit the strip's column");
    struck.Striked = true;
    strip().Paint();
    const QRgb strip = qRgb(223, 223, 223);
    EXPECT_EQ(pixel(10, 29), qRgb(255, 255, 255)); // the dot, white in its middle
    EXPECT_EQ(pixel(3, 29), ToQColor(open.Colour()).rgb());
    EXPECT_EQ(pixel(2, 29), strip);
    EXPECT_EQ(pixel(10, 49), ToQColor(struck.Colour()).rgb());   // the cross's middle
    EXPECT_EQ(pixel(10, 44), strip);                             // between its arms
    EXPECT_EQ(pixel(60, 20 + 2 * 20 + 19), qRgb(245, 245, 245)); // an empty row's separator
    EXPECT_EQ(pixel(119, 200), qRgb(192, 192, 192));
    EXPECT_EQ(pixel(19, 200), qRgb(192, 192, 192));
    // The name ends with an ellipsis inside its box.
    const QString fitted = FittedLaneName(open.Piece().Handle, QFont("Calibri", 9), 87);
    EXPECT_TRUE(fitted.endsWith(QChar(0x2026)));
    bool nameDrawn = false;
    for (int x = 24; x < 111; ++x)
        for (int y = 20; y < 38; ++y)
            nameDrawn = nameDrawn || pixel(x, y) != strip;
    EXPECT_TRUE(nameDrawn);
    for (int y = 20; y < 40; ++y)
        EXPECT_EQ(pixel(112, y), strip) << y; // nothing beyond the name's box
}

TEST_F(LaneStripTest, ClicksInTheStrikeBoxStrikeAndSolo) {
    make();
    TLane& a = arrangement.lanes.Add(0, TPiece::kNoOwnHue, true);
    TLane& b = arrangement.lanes.Add(1, TPiece::kNoOwnHue, true);
    TLane& c = arrangement.lanes.Add(2, TPiece::kNoOwnHue, true);
    press(MouseButton::Left, 5, rowY(1));
    EXPECT_TRUE(b.Striked);
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeLaneStruck);
    press(MouseButton::Left, 5, rowY(1));
    EXPECT_FALSE(b.Striked);
    press(MouseButton::Right, 5, rowY(0));
    EXPECT_FALSE(a.Striked);
    EXPECT_TRUE(b.Striked);
    EXPECT_TRUE(c.Striked);
    press(MouseButton::Right, 5, rowY(0));
    EXPECT_FALSE(b.Striked || c.Striked);
    EXPECT_EQ(soundFiles.asked, 0);
    EXPECT_FALSE(interior->TheCtrls.CapturedCtrl);
}

TEST_F(LaneStripTest, AnEmptyRowsStrikeBoxAsksForASoundFileAndAddsNothingWithoutOne) {
    make();
    press(MouseButton::Right, 5, rowY(3));
    EXPECT_EQ(soundFiles.asked, 0); // only the left button asks
    press(MouseButton::Left, 5, rowY(3));
    EXPECT_EQ(soundFiles.asked, 1);
    soundFiles.answer = dir.file("missing.wav"); // nothing decodes it here
    press(MouseButton::Left, 5, rowY(3));
    EXPECT_EQ(arrangement.lanes.Count(), 0);
    EXPECT_EQ(arrangement.resources.Count(), 0);
    EXPECT_FALSE(arrangement.plan.Modified());
}

TEST_F(LaneStripTest, APressRightOfTheStrikeBoxEditsTheLaneThereAndNothingOnAnEmptyRow) {
    make();
    arrangement.lanes.Add(1, TPiece::kNoOwnHue, true);
    strip().MouseDown(MouseButton::Left, 60, rowY(0), {});
    EXPECT_EQ(strip().EditingLane(), nullptr);
    strip().MouseUp(60, rowY(0));
    strip().MouseDown(MouseButton::Left, 60, rowY(1), {true, false, false});
    ASSERT_NE(strip().EditingLane(), nullptr);
    EXPECT_TRUE(strip().EditingPan());
    strip().SliderChanged(100);
    EXPECT_EQ(arrangement.lanes.At(0).Piece().Pan.Value(), 1.0L);
    strip().MouseUp(60, rowY(1));
    EXPECT_EQ(strip().EditingLane(), nullptr);
    EXPECT_NE(strip().HoveredLane(), nullptr);
    strip().MouseLeave();
    EXPECT_EQ(strip().HoveredLane(), nullptr);
    // While a value is typed into the watch, the press only ends the typing.
    watch.typing = true;
    strip().MouseDown(MouseButton::Left, 60, rowY(1), {});
    EXPECT_EQ(watch.typingEnds, 1);
    EXPECT_EQ(strip().EditingLane(), nullptr);
}

TEST_F(LaneStripTest, ARightClickBesideTheStrikeBoxesOpensTheLaneOrTheEmptyRowMenuOnRelease) {
    make();
    TLane& lane = arrangement.lanes.Add(1, TPiece::kNoOwnHue, true);
    strip().MouseDown(MouseButton::Right, 60, rowY(1), {});
    EXPECT_TRUE(menus.laneMenus.empty()); // not before the button is up
    strip().MouseUp(62, rowY(1));
    ASSERT_EQ(menus.laneMenus.size(), 1u);
    EXPECT_EQ(menus.laneMenus[0], std::pair(QPoint(62, rowY(1)), lane.Position()));
    EXPECT_FALSE(interior->TheCtrls.CapturedCtrl);

    // Released over a row without a lane: the strip's own menu.
    strip().MouseDown(MouseButton::Right, 60, rowY(1), {});
    strip().MouseUp(60, rowY(4));
    EXPECT_EQ(menus.laneStripMenus, std::vector{QPoint(60, rowY(4))});

    // The left button edits, and the strike box's right button solos: neither opens a menu.
    press(MouseButton::Left, 60, rowY(1));
    press(MouseButton::Right, 5, rowY(1));
    press(MouseButton::Right, 5, rowY(3));
    // Nor does a press that only ends the typing into the watch.
    watch.typing = true;
    press(MouseButton::Right, 60, rowY(1));
    EXPECT_EQ(watch.typingEnds, 1);
    EXPECT_EQ(menus.laneMenus.size(), 1u);
    EXPECT_EQ(menus.laneStripMenus.size(), 1u);
}

TEST_F(LaneStripTest, DraggingFromALaneSetsItsPanOrLoudnessThroughTheSlider) {
    make();
    TLane& lane = arrangement.lanes.Add(0, TPiece::kNoOwnHue, true);
    arrangement.plan.SetMasterLoudness(0.3L, false);
    // Shift: pan. Unset, the lane plays centred: the slider starts at 50, not at -49950.
    strip().MouseDown(MouseButton::Left, 60, rowY(0), {true, false, false});
    EXPECT_EQ(slider().Position(), 50);
    EXPECT_TRUE(slider().Dragging());
    for (const auto& [x, pan] : {std::pair{10, -1.0L}, {60, 0.0L}, {110, 1.0L}}) {
        strip().MouseMove(x, rowY(3)); // the drag goes on wherever the mouse is
        EXPECT_EQ(lane.Piece().Pan.Value(), pan) << x;
    }
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeLanePan);
    EXPECT_EQ(watch.number, 100); // the watch shows the pan as +-100
    strip().MouseUp(110, rowY(0));
    EXPECT_FALSE(slider().Dragging());
    EXPECT_EQ(arrangement.plan.MasterLoudness.Value(), 0.3L); // the master kept its loudness

    // Without Shift: loudness. Unset, it shows what the master piece gives, not -100.
    strip().MouseDown(MouseButton::Left, 60, rowY(0), {});
    EXPECT_EQ(slider().Position(), 100);
    strip().MouseMove(20, rowY(0));
    strip().MouseUp(20, rowY(0));
    EXPECT_EQ(lane.Piece().Loudness.Value(), 0.6L);
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeLaneLoudness);
    // The slider is the master's again once the mouse leaves the strip.
    strip().MouseLeave();
    EXPECT_EQ(slider().Position(), 30);
    slider().SetPosition(70, true);
    EXPECT_EQ(arrangement.plan.MasterLoudness.Value(), 0.7L);
    EXPECT_EQ(lane.Piece().Loudness.Value(), 0.6L);
}

TEST_F(LaneStripTest, HoveringALaneShowsItsLoudnessInTheSlider) {
    make();
    TLane& lane = arrangement.lanes.Add(1, TPiece::kNoOwnHue, true);
    lane.Piece().Loudness.SetValue(0.45L);
    strip().MouseMove(60, rowY(1));
    EXPECT_EQ(strip().HoveredLane(), &lane);
    EXPECT_EQ(slider().Position(), 45);
    EXPECT_EQ(watch.number, 45);
    // Shift held: its pan, as a press would edit it.
    lane.Piece().Pan.SetValue(-0.5L);
    strip().PeekPan(true);
    EXPECT_EQ(slider().Position(), 25);
    EXPECT_EQ(watch.number, -50);
    strip().PeekPan(false);
    EXPECT_EQ(slider().Position(), 45);
    strip().MouseMove(60, rowY(0));
    EXPECT_EQ(strip().HoveredLane(), nullptr);
    EXPECT_EQ(slider().Position(), 100); // the master loudness
}

TEST_F(LaneStripTest, MetersFillByTheFourthRootOfTheLevel) {
    EXPECT_DOUBLE_EQ(MeterFill(32768), 1.0);
    EXPECT_DOUBLE_EQ(MeterFill(2048), 0.5);
    EXPECT_DOUBLE_EQ(MeterFill(0), 0.0);
    EXPECT_DOUBLE_EQ(MeterFill(65535), 1.0);
    make();
    TLane& lane = arrangement.lanes.Add(0, 220, false);
    strip().Paint();
    const QRect bar = LaneMeterRect(0, 20);
    const QRgb laneColour = ToQColor(lane.Colour()).rgb();
    EXPECT_NE(pixel(bar.left(), bar.top()), laneColour);
    mixer.laneLevel = 32768u | (2048u << 16); // left full, right half
    host.copied.clear();
    strip().UpdateMeters();
    EXPECT_EQ(host.copied.size(), 1u);
    EXPECT_EQ(pixel(bar.right(), bar.top()), laneColour);
    EXPECT_EQ(pixel(bar.left() + bar.width() / 2 - 2, bar.bottom()), laneColour);
    EXPECT_NE(pixel(bar.left() + bar.width() / 2 + 2, bar.bottom()), laneColour);
    host.copied.clear();
    strip().UpdateMeters(); // unchanged: nothing drawn
    EXPECT_TRUE(host.copied.empty());
    interior->LaneStripStates.metersVisible = false;
    mixer.laneLevel = 0;
    strip().UpdateMeters();
    EXPECT_TRUE(host.copied.empty());
}

TEST_F(LaneStripTest, ASecondPressBeforeTheReleaseLeavesTheSliderTheMasters) {
    make();
    TLane& lane = arrangement.lanes.Add(0, TPiece::kNoOwnHue, true);
    lane.Piece().Loudness.SetValue(0.5L);
    arrangement.plan.SetMasterLoudness(0.3L, false);
    // The first release went elsewhere (a dialog took it).
    strip().MouseDown(MouseButton::Left, 60, rowY(0), {});
    strip().MouseDown(MouseButton::Left, 60, rowY(0), {});
    strip().MouseUp(60, rowY(0));
    strip().MouseLeave();
    slider().SetPosition(70, true);
    EXPECT_EQ(arrangement.plan.MasterLoudness.Value(), 0.7L);
    EXPECT_EQ(lane.Piece().Loudness.Value(), 0.5L);
}

TEST_F(LaneStripTest, TypingIntoTheWatchEndsALanesDragFirst) {
    WatchRelay relay;
    AddWatch(makers, arrangement, menus, relay);
    make();
    TLane& lane = arrangement.lanes.Add(0, TPiece::kNoOwnHue, true);
    lane.Piece().Loudness.SetValue(0.5L);
    arrangement.plan.SetMasterLoudness(0.3L, false);
    strip().MouseDown(MouseButton::Left, 60, rowY(0), {});
    ASSERT_TRUE(slider().Dragging());
    TWatchTyper& typer = static_cast<TTheWatch&>(*interior->Watch).Typer();
    TyperStart start;
    start.range = {0, 100, 0, 1};
    ASSERT_TRUE(typer.Start(start));
    EXPECT_EQ(strip().EditingLane(), nullptr);
    EXPECT_FALSE(slider().Dragging());
    // The button is let go while the value is typed; the typing ends after.
    strip().MouseMove(20, rowY(0));
    strip().MouseUp(20, rowY(0));
    EXPECT_EQ(lane.Piece().Loudness.Value(), 0.5L);
    typer.End(false);
    strip().MouseLeave();
    slider().SetPosition(70, true);
    EXPECT_EQ(arrangement.plan.MasterLoudness.Value(), 0.7L);
    EXPECT_EQ(lane.Piece().Loudness.Value(), 0.5L);
    interior.reset(); // the watch goes before the relay that reaches it
}

// The ink of the name in the first row: its width in pixels.
int nameWidth(const QImage& composition) {
    const QRgb strip = qRgb(223, 223, 223);
    int left = INT_MAX;
    int right = INT_MIN;
    for (int x = 24; x < 112; ++x)
        for (int y = 20; y < 38; ++y)
            if (composition.pixel(x, y) != strip) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return right < left ? 0 : right - left + 1;
}

TEST_F(LaneStripTest, ZoomingTheHandlesSizesTheNamesWithinBounds) {
    make();
    interior->LaneStripStates.metersVisible = false;
    arrangement.lanes.Add(0, 220, false).Piece().Handle = QStringLiteral("Ab");
    const QImage& composition = interior->Surfaces.CompositionBitmap;
    strip().Paint();
    const int normal = nameWidth(composition);
    ASSERT_GT(normal, 0);
    strip().ZoomHandles(4);
    const int larger = nameWidth(composition);
    EXPECT_GT(larger, normal);
    // Far beyond either end, even by steps as large as they come: a step back is felt at once.
    const int32_t styleSize = interior->Style().Lanes.FontSize;
    strip().ZoomHandles(-1000);
    strip().ZoomHandles(-1000);
    EXPECT_LT(nameWidth(composition), normal);
    strip().ZoomHandles(styleSize - TTheLaneStrip::kSmallestNameSize);
    EXPECT_EQ(nameWidth(composition), normal);
    strip().ZoomHandles(INT32_MAX);
    strip().ZoomHandles(INT32_MAX);
    strip().ZoomHandles(styleSize + 4 - TTheLaneStrip::kLargestNameSize);
    EXPECT_EQ(nameWidth(composition), larger);
}

} // namespace

namespace {

TEST(LaneNameColourTest, YellowNamesGoDeeperAndPurpleOnesLighterWhenTheStyleSaysSo) {
    Arrangement arrangement;
    TLane& yellow = arrangement.lanes.Add(0, 60, false);
    TLane& purple = arrangement.lanes.Add(1, 280, false);
    TLane& blue = arrangement.lanes.Add(2, 220, false);
    LanesStyle style; // MoreDeepYellow on, LessDeepPurple off
    EXPECT_EQ(LaneNameColour(yellow, style), HsvColour(60, 1, 0.78L));
    EXPECT_LT(QColor(ToQColor(LaneNameColour(yellow, style))).value(),
              QColor(ToQColor(yellow.Colour())).value());
    EXPECT_EQ(LaneNameColour(purple, style), purple.Colour());
    EXPECT_EQ(LaneNameColour(blue, style), blue.Colour());
    style.MoreDeepYellow = false;
    style.LessDeepPurple = true;
    EXPECT_EQ(LaneNameColour(yellow, style), yellow.Colour());
    EXPECT_EQ(LaneNameColour(purple, style), HsvColour(280, 0.4L, 1));
}

TEST(TintedPicturesTest, PixelsTakeTheHueGreysStayAndAnyHueIsSafe) {
    QImage picture(2, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, QColor::fromHsv(240, 200, 150, 128).rgba());
    picture.setPixel(1, 0, qRgba(90, 90, 90, 255));
    const QImage tinted = TintedWithHue(picture, 400); // 40 degrees
    const QColor first = QColor::fromRgba(tinted.pixel(0, 0));
    EXPECT_NEAR(first.hsvHue(), 40, 1);
    EXPECT_NEAR(first.hsvSaturation(), 200, 1);
    EXPECT_EQ(first.value(), 150);
    EXPECT_EQ(first.alpha(), 128);
    EXPECT_EQ(tinted.pixel(1, 0), qRgba(90, 90, 90, 255));

    TintedPictures pictures;
    pictures.SetSources({picture});
    const QImage kept = pictures.For(-320, 0); // 40 degrees too: made once
    EXPECT_EQ(kept.cacheKey(), pictures.For(40, 0).cacheKey());
    EXPECT_FALSE(pictures.For(std::nanl(""), 0).isNull());
    EXPECT_FALSE(pictures.For(1e30L, 0).isNull());
    EXPECT_TRUE(pictures.For(40, 1).isNull()); // no second source
    // Enough other hues to make the cache start afresh: what was handed out still holds.
    for (int i = 0; i < 1000; ++i)
        pictures.For(100 + i / 8.0L, 0);
    EXPECT_NEAR(QColor::fromRgba(kept.pixel(0, 0)).hsvHue(), 40, 1);
    EXPECT_EQ(kept.pixel(1, 0), qRgba(90, 90, 90, 255));
}

} // namespace
