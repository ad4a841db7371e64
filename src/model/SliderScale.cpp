// Converting between slider positions and the values they set.
#include "model/SliderScale.h"

#include <algorithm>
#include <cmath>

int NearestSliderPosition(long double scaled) {
    if (!std::isfinite(scaled))
        return 0;
    return static_cast<int>(std::clamp<long double>(std::nearbyint(scaled), 0, 100));
}

long double PanOfSliderPosition(int position) {
    return (position * 2 - 100) / 100.0L;
}

int SliderPositionOfPan(long double pan) {
    return NearestSliderPosition(pan * 50 + 50);
}
