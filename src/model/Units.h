// Units of the arrangement (elements, steps, pixels) and the named conversions between them.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>

// A count of elements: byte positions of the 16-bit stereo mix stream, four per sample frame.
// Play positions, the play range, ball starts and flag positions are counted in elements.
struct Elements {
    int64_t count = 0;

    constexpr auto operator<=>(const Elements&) const = default;
    constexpr Elements operator+(Elements other) const { return {count + other.count}; }
    constexpr Elements operator-(Elements other) const { return {count - other.count}; }
};

constexpr int64_t kElementsPerFrame = 4;
constexpr Elements ElementsFromFrames(int64_t frames) {
    return {frames * kElementsPerFrame};
}
constexpr int64_t FramesFromElements(Elements elements) {
    return elements.count / kElementsPerFrame;
}

// A cell of the room is 20 x 20 pixels: one step wide, one row high.
constexpr int32_t kCellPixels = 20;

// Balls live in columns and rows -2000000 .. 1999999.
constexpr int32_t kCellMin = -2000000;
constexpr int32_t kCellMax = 1999999;
constexpr bool InCellRange(int64_t xOrY) {
    return xOrY >= kCellMin && xOrY <= kCellMax;
}

// How many elements one step (a column of the room) and one pixel span.
struct StepTiming {
    long double elementsPerStep = 0;
    long double elementsPerPixel = 0;

    // (60 / mph) x elementRate x frameResolution / 32; none when a value is 0 or below, or when
    // the result would put a ball start or the plan's end (frames steps) outside 64 bits.
    static std::optional<StepTiming> From(int32_t mph, int32_t elementRate, int32_t frameResolution,
                                          int32_t frames);

    // round(step x elementsPerStep), ties to even.
    Elements StartOfStep(int64_t step) const;
    // The pixel column of an element position: round((position / elementsPerStep + offsetX)
    // x 20) + roomLeft - 1, kept inside 32 bits for positions far outside the view.
    int32_t PixelXOf(Elements position, int32_t offsetX, int32_t roomLeft) const;
};
