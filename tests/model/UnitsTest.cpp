#include "model/Units.h"

#include <gtest/gtest.h>

namespace {

TEST(StepTiming, NoTimingFromValuesAtOrBelowZeroOrBeyond64Bits) {
    EXPECT_EQ(StepTiming::From(120, 44100, 16, 32)->elementsPerStep, 11025.0L);
    EXPECT_FALSE(StepTiming::From(0, 44100, 16, 32));
    EXPECT_FALSE(StepTiming::From(120, -1, 16, 32));
    EXPECT_FALSE(StepTiming::From(120, 44100, 0, 32));
    EXPECT_FALSE(StepTiming::From(1, INT32_MAX, INT32_MAX, 32));    // ball starts overflow
    EXPECT_FALSE(StepTiming::From(1, 1000000, 2000000, INT32_MAX)); // the plan's end overflows
    EXPECT_TRUE(StepTiming::From(1, 1000000, 2000000, 32));
}

TEST(StepTiming, StartsRoundTiesToEvenAndSaturate) {
    const StepTiming half{0.5L, 0.025L};
    EXPECT_EQ(half.StartOfStep(1), Elements{0});
    EXPECT_EQ(half.StartOfStep(3), Elements{2});
    EXPECT_EQ(half.StartOfStep(-3), Elements{-2});
    const StepTiming huge{1e15L, 5e13L};
    EXPECT_GT(huge.StartOfStep(INT32_MAX).count, 8'000'000'000'000'000'000LL);
}

TEST(StepTiming, FlagPixels) {
    const StepTiming timing = *StepTiming::From(120, 44100, 16, 32);
    EXPECT_EQ(timing.PixelXOf(Elements{0}, 0, 0), -1);
    EXPECT_EQ(timing.PixelXOf(Elements{11025}, 8, 120), (1 + 8) * 20 + 120 - 1);
    EXPECT_EQ(timing.PixelXOf(Elements{11025 / 2}, 0, 0), 9); // round(9.999) - 1
    EXPECT_EQ(timing.PixelXOf(Elements{INT64_MIN}, 0, 0), INT32_MIN);
}

} // namespace
