#include "RoomFixture.h"
#include "controls/DrawingSurfaces.h"
#include "controls/RoomPainter.h"

namespace {

class RoomDrawingTest : public RoomFixture {
protected:
    static QRgb grey(int level) { return qRgb(level, level, level); }
    QRgb colourOf(uint32_t colour) const { return ToQColor(colour).rgb(); }
    void setFlagPixel(TFlag& flag, Elements position) {
        room().Model().room.SetFlagPosition(flag, position, false);
        room().Model().room.PlaceStartEndCaptions();
    }
};

TEST_F(RoomDrawingTest, PlainCellsAlternateBySegmentWithGridLinesOnTheRightAndBottom) {
    settings.timeSegments = 4;
    make();
    room().SetOffsetX(1); // the first column shows X = -1, in segment -1
    const int top = 25;
    EXPECT_EQ(pixel(125, top), grey(255)); // X = -1: odd segment
    EXPECT_EQ(pixel(145, top), grey(251)); // X = 0 .. 3: segment 0
    EXPECT_EQ(pixel(205, top), grey(251)); // X = 3
    EXPECT_EQ(pixel(225, top), grey(255)); // X = 4: segment 1
    EXPECT_EQ(pixel(159, top), grey(229)); // the right edge of a cell
    EXPECT_EQ(pixel(145, 39), grey(229));  // its bottom edge
    EXPECT_EQ(TimeSegmentOf(-1, -1), 1);   // the default width of -1 alternates columns
}

TEST_F(RoomDrawingTest, ABallWithoutPicturesIsTheDotAndItsLengthMarkRunsOnInTheLaneColour) {
    make();
    TLane& lane = arrangement.lanes.Add(2, 220, false);
    lane.Piece().Life.SetValue(4 * 11025 / 2); // four steps (two elements a unit): 80 pixels
    ASSERT_TRUE(arrangement.balls.Add(3, 2, TPiece::kNoOwnHue, false));
    room().Paint();
    const QRgb laneColour = colourOf(lane.Colour());
    // The cell at column 3, row 2 starts at (180, 60); the dot is centred at (189, 69).
    EXPECT_EQ(pixel(189, 69), grey(255));
    EXPECT_EQ(pixel(184, 69), laneColour);
    EXPECT_EQ(pixel(186, 69), grey(255));
    // The bar: from x0 = 195 for 80 - 15 pixels, 5 high from y = 67, with a large head.
    EXPECT_EQ(pixel(210, 67), laneColour);
    EXPECT_EQ(pixel(258, 71), laneColour);
    EXPECT_NE(pixel(210, 66), laneColour);
    EXPECT_NE(pixel(210, 72), laneColour);
    EXPECT_EQ(pixel(261, 64), laneColour); // the head rises above the bar
    EXPECT_NE(pixel(269, 69), laneColour);
}

TEST(LengthMarkTest, TheHeadDependsOnTheRoomLeftToTheNextBall) {
    const TRect room{120, 20, 400, 300};
    using Head = LengthMark::Head;
    // Alone on its lane: a large head at the end of the bar.
    auto mark = LengthMarkOf(room, 0, 0, 3, 2, 60, std::nullopt);
    ASSERT_TRUE(mark);
    EXPECT_EQ(mark->x0, 195);
    EXPECT_EQ(mark->y, 67);
    EXPECT_EQ(mark->length, 45);
    EXPECT_EQ(mark->head, Head::Large);
    // A next ball closer than the sound lasts: the bar stops there, without a head.
    mark = LengthMarkOf(room, 0, 0, 3, 2, 60, 5);
    EXPECT_EQ(mark->length, 29);
    EXPECT_EQ(mark->head, Head::None);
    // Exactly five pixels short of the next ball: a small head.
    mark = LengthMarkOf(room, 0, 0, 3, 2, 15 + 24, 5);
    EXPECT_EQ(mark->length, 24);
    EXPECT_EQ(mark->head, Head::Small);
    // Too short for a mark, and a mark that ends left of the room.
    EXPECT_EQ(LengthMarkOf(room, 0, 0, 3, 2, 18, std::nullopt)->length, 0);
    EXPECT_FALSE(LengthMarkOf(room, -20, 0, 3, 2, 60, std::nullopt));
}

TEST_F(RoomDrawingTest, StartAndEndCaptionsPointAwayFromEachOtherWhenCloserThan81Pixels) {
    make();
    TRoomState& state = room().Model().room;
    state.StartFlag().Caption = "Start";
    state.EndFlag().Caption = "End";
    setFlagPixel(state.StartFlag(), Elements{2 * 11025}); // column 159
    setFlagPixel(state.EndFlag(), Elements{6 * 11025});   // 80 pixels further
    ASSERT_EQ(state.EndFlag().PixelX - state.StartFlag().PixelX, 80);
    repaint();
    const QRgb startBox = colourOf(interior->Style().Flags.StartOffBG);
    const QRgb endBox = colourOf(interior->Style().Flags.EndOffBG);
    EXPECT_EQ(pixel(158, 0), startBox); // left of the start flag
    EXPECT_NE(pixel(160, 0), startBox);
    EXPECT_EQ(pixel(240, 0), endBox); // right of the end flag
    EXPECT_NE(pixel(238, 0), endBox);

    setFlagPixel(state.EndFlag(), Elements{66701}); // 81 pixels apart
    ASSERT_EQ(state.EndFlag().PixelX, 240);
    repaint();
    EXPECT_EQ(pixel(160, 0), startBox);
    EXPECT_NE(pixel(158, 0), startBox);
    EXPECT_EQ(pixel(239, 0), endBox);
    EXPECT_NE(pixel(241, 0), endBox);
    // The flags' lines run down through the room in their own colour.
    EXPECT_EQ(pixel(159, 150), colourOf(state.StartFlag().Colour));
}

TEST_F(RoomDrawingTest, ADimmedRoomIsDrawnAtAlpha153) {
    make();
    interior->SetDimmed(true);
    room().Paint();
    EXPECT_EQ(pixel(145, 25), grey(153));
    EXPECT_EQ(pixel(159, 25), grey(137)); // the grid line, 229 x 0.6
}

} // namespace
