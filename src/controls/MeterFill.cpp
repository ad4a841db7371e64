// The meters' curve.
#include "controls/MeterFill.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kFullScale = 32768.0;

} // namespace

double MeterFill(uint32_t level) {
    return std::min(1.0, std::sqrt(std::sqrt(level / kFullScale)));
}
