#include "controls/PeakMeter.h"
#include "controls/ControlFakes.h"
#include "controls/DrawingSurfaces.h"

#include <gtest/gtest.h>

namespace {

class PeakMeterTest : public ::testing::Test {
protected:
    PeakMeterTest() { surfaces.GrowTo(100, 80, Qt::white); }
    MeterScene scene(bool rolling = true, bool lastPlay = true) {
        return {surfaces, host, layout, colours, rolling, lastPlay};
    }
    // Pixels of one column in a colour, counted from the layout's bottom up.
    int litFromBottom(int x, uint32_t colour) const {
        int lit = 0;
        while (lit < layout.Height && surfaces.CompositionBitmap.pixel(
                                          x, layout.Bottom - 1 - lit) == ToQColor(colour).rgb())
            ++lit;
        return lit;
    }

    FakeHost host;
    DrawingSurfaces surfaces;
    TLayoutRect layout{2, 4, 96, 64, 98, 68};
    MasterMeterStyle colours;
    TThePeakMeter left{TThePeakMeter::Side::Left};
    TThePeakMeter right{TThePeakMeter::Side::Right};
};

TEST_F(PeakMeterTest, TheLevelFillsByItsFourthRootFromTheBottom) {
    left.SetLevel(TThePeakMeter::kFullLevel, scene());
    EXPECT_EQ(litFromBottom(4, colours.Normal), 64);
    left.SetLevel(2048, scene());
    EXPECT_EQ(litFromBottom(2, colours.Normal), 32);
    EXPECT_EQ(surfaces.CompositionBitmap.pixel(2, 4), ToQColor(colours.BG).rgb());
    EXPECT_EQ(surfaces.CompositionBitmap.pixel(5, 40), qRgb(255, 255, 255)); // the separator
    EXPECT_EQ(host.copied.back(), QRect(2, 4, 3, 64));
}

TEST_F(PeakMeterTest, PaintDrawsTheSeparatorAndPausedOrFoulWhenNothingRolls) {
    right.Paint(scene(false, true));
    EXPECT_EQ(litFromBottom(94, colours.Outline), 64);
    EXPECT_EQ(litFromBottom(95, colours.Paused), 64);
    EXPECT_EQ(litFromBottom(97, colours.Paused), 64);
    right.Paint(scene(false, false));
    EXPECT_EQ(litFromBottom(95, colours.Foul), 64);
    EXPECT_EQ(right.Strip(layout), QRect(94, 4, 4, 64));
    left.Paint(scene(true));
    EXPECT_EQ(litFromBottom(5, colours.Outline), 64);
    EXPECT_EQ(litFromBottom(3, colours.Paused), 0);
}

} // namespace
