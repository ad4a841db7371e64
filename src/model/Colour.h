// Colours as 32-bit values with red in the low byte, and the colour of a hue.
#pragma once

#include <cstdint>

constexpr uint32_t RgbColour(uint32_t red, uint32_t green, uint32_t blue) {
    return red + 256 * green + 65536 * blue;
}
constexpr uint32_t RedOf(uint32_t colour) {
    return colour & 0xFF;
}
constexpr uint32_t GreenOf(uint32_t colour) {
    return (colour >> 8) & 0xFF;
}
constexpr uint32_t BlueOf(uint32_t colour) {
    return (colour >> 16) & 0xFF;
}

// The HSV colour of a hue in degrees; saturation and value in 0 .. 1.
uint32_t HsvColour(long double hueDegrees, long double saturation, long double value);
// The colour pieces show for their hue: saturation 2/3, value 1.
uint32_t PieceColourOfHue(long double hueDegrees);
