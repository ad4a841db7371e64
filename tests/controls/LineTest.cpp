#include "RoomFixture.h"
#include "controls/DrawingSurfaces.h"

#include <QFile>

namespace {

constexpr int64_t kStep = 11025; // elements per step: 20 pixels

class LineTest : public RoomFixture {
protected:
    TTheLine& line() { return room().Line(); }
    QRgb lineColour() const { return ToQColor(interior->Style().Line.Line).rgb(); }
};

TEST_F(LineTest, TheLineNeverStepsBackOnJitterAndAFailedReadKeepsItsPlace) {
    make();
    mixer.Script({1000, 5000, 4990, 9000});
    std::vector<int64_t> seen;
    for (int i = 0; i < 4; ++i) {
        line().Update();
        seen.push_back(line().Position().count);
    }
    EXPECT_EQ(seen, (std::vector<int64_t>{1000, 5000, 5000, 9000}));

    mixer.readings.push_back({false, Elements{1}, "BASS_ERROR_HANDLE"});
    line().Update();
    EXPECT_EQ(line().Position().count, 9000);
    QFile log(faultlog::FilePath());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().contains("BASS_ChannelGetPosition BASS_ERROR_HANDLE"));

    line().SetHighestPosition(Elements{0}); // the mix wrapped to the range's start
    mixer.Script({100});
    line().Update();
    EXPECT_EQ(line().Position().count, 100);
}

TEST_F(LineTest, TheLockedReadAsksTheMixerOnlyWhileItRunsAndHoldsItsLock) {
    make();
    mixer.Script({700});
    EXPECT_EQ(line().ReadPositionLocked().count, 0);
    EXPECT_EQ(mixer.readings.size(), 1u);
    audio.playing = true;
    EXPECT_EQ(line().ReadPositionLocked().count, 700);
    EXPECT_EQ(mixer.lockedReads, 1);
    EXPECT_EQ(audio.lockDepth, 0);
}

TEST_F(LineTest, AStepRepaintsOnlyTheOldAndNewColumnsTheMarkersAndTheProgressBetween) {
    make();
    line().SetPosition(Elements{3 * kStep}, true); // column 179
    host.copied.clear();
    line().SetPosition(Elements{3 * kStep + 1200}, true); // two pixels on
    EXPECT_EQ(line().PixelX, 181);
    const int columnHeight = kHeight - 9; // from the ruler's top + 9 down to the room's bottom
    EXPECT_EQ(copiedArea(), 2 * 5 * 9 + 2 * columnHeight + 3);
    for (const QRect& r : host.copied)
        EXPECT_TRUE(r.width() <= 5 || r.height() == 1) << r.x() << "," << r.width();
    host.copied.clear();
    line().SetPosition(Elements{3 * kStep + 1300}, true); // the same pixel column
    EXPECT_TRUE(host.copied.empty());
}

TEST_F(LineTest, TheLineIsDrawnFromItsMarkerToTheRoomsBottomAndOverTheLanesOnlyInTheRuler) {
    make();
    line().SetPosition(Elements{3 * kStep}, true);
    QImage shown = screen();
    EXPECT_EQ(shown.pixel(179, 15), lineColour());
    EXPECT_EQ(shown.pixel(179, 299), lineColour());
    EXPECT_EQ(shown.pixel(179, 4), ToQColor(interior->Style().Line.MarkerBG).rgb());
    EXPECT_EQ(shown.pixel(177, 4), ToQColor(interior->Style().Line.MarkerOutline).rgb());
    EXPECT_EQ(shown.pixel(150, 19), qRgb(255, 76, 76)); // progress since the origin flag

    line().SetPosition(Elements{-1 * kStep}, true); // column 99, over the lane strip
    shown = screen();
    EXPECT_EQ(shown.pixel(99, 15), lineColour());
    EXPECT_NE(shown.pixel(99, 50), lineColour());

    // With the ruler hidden the line keeps right of the room's left edge.
    interior->Ruler->SetVisible(false);
    interior->ResizeAll();
    room().Paint();
    line().ForgetPainted();
    EXPECT_EQ(line().LeftLimit, 120);
    line().SetPosition(Elements{0}, true); // column 119
    shown = screen();
    EXPECT_NE(shown.pixel(119, 50), lineColour());
}

} // namespace
