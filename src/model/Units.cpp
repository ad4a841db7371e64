// Step timing and the element, step and pixel conversions.
#include "model/Units.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Below the 64-bit limit with room for the rounding of the last step.
constexpr long double kLargestElementCount = 9.0e18L;

bool FitsElements(long double elements) {
    return std::isfinite(elements) && std::fabs(elements) < kLargestElementCount;
}

} // namespace

std::optional<StepTiming> StepTiming::From(int32_t mph, int32_t elementRate,
                                           int32_t frameResolution, int32_t frames) {
    if (mph <= 0 || elementRate <= 0 || frameResolution <= 0)
        return std::nullopt;
    const long double perStep = (60.0L / mph) * elementRate * frameResolution / 32.0L;
    const long double farthestStep = std::max(std::fabs(static_cast<long double>(kCellMin)),
                                              std::fabs(static_cast<long double>(frames)));
    if (!FitsElements(perStep * farthestStep) || !(perStep > 0))
        return std::nullopt;
    return StepTiming{perStep, perStep / kCellPixels};
}

Elements StepTiming::StartOfStep(int64_t step) const {
    // Saturates: the plan's length in steps is typed by the user and may lie beyond any timing.
    const long double start = static_cast<long double>(step) * elementsPerStep;
    if (std::isnan(start))
        return {0};
    return {std::llrint(std::clamp(start, -kLargestElementCount, kLargestElementCount))};
}

int32_t StepTiming::PixelXOf(Elements position, int32_t offsetX, int32_t roomLeft) const {
    const long double x =
        std::nearbyint((position.count / elementsPerStep + offsetX) * kCellPixels) + roomLeft - 1;
    if (std::isnan(x))
        return roomLeft - 1;
    constexpr long double lowest = std::numeric_limits<int32_t>::min();
    constexpr long double highest = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::clamp(x, lowest, highest));
}
