// HSV to RGB for the colours that pieces derive from their hue.
#include "model/Colour.h"

#include <algorithm>
#include <cmath>

namespace {

// Hues outside 0 .. 360 (a ball's -1, a hand-edited file) can push a part past 0 .. 255; it is
// kept in its byte so that it cannot spill into the neighbouring part.
uint32_t ColourPart(long double part) {
    return static_cast<uint32_t>(std::clamp(std::nearbyint(part), 0.0L, 255.0L));
}

} // namespace

uint32_t HsvColour(long double hueDegrees, long double saturation, long double value) {
    const long double v = 255.0L * value;
    if (saturation == 0)
        return RgbColour(ColourPart(v), ColourPart(v), ColourPart(v));
    const long double h = std::isfinite(hueDegrees) ? hueDegrees / 60.0L : 0.0L;
    const long double whole = std::trunc(h);
    const long double f = h - whole;
    const long double p = v * (1 - saturation);
    const long double q = v * (1 - saturation * f);
    const long double t = v * (1 - saturation * (1 - f));
    long double r = v, g = p, b = q; // i = 5 and everything outside 0 .. 4
    if (whole == 0) {
        r = v, g = t, b = p;
    } else if (whole == 1) {
        r = q, g = v, b = p;
    } else if (whole == 2) {
        r = p, g = v, b = t;
    } else if (whole == 3) {
        r = p, g = q, b = v;
    } else if (whole == 4) {
        r = t, g = p, b = v;
    }
    return RgbColour(ColourPart(r), ColourPart(g), ColourPart(b));
}

uint32_t PieceColourOfHue(long double hueDegrees) {
    return HsvColour(hueDegrees, 2.0L / 3.0L, 1.0L);
}
