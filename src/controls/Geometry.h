// Rectangles in main-window client pixels, as the controls and the layout use them.
#pragma once

#include <QRect>

#include <algorithm>
#include <cstdint>
#include <limits>

// Right and Bottom are exclusive.
struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    constexpr int32_t Width() const { return Right - Left; }
    constexpr int32_t Height() const { return Bottom - Top; }
    constexpr bool Contains(int32_t x, int32_t y) const {
        return x >= Left && x < Right && y >= Top && y < Bottom;
    }
    QRect ToQRect() const { return QRect(Left, Top, Width(), Height()); }
    constexpr bool operator==(const TRect&) const = default;
};

// The area inside the interior's padding from which every control derives its bounds.
struct TLayoutRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    constexpr bool operator==(const TLayoutRect&) const = default;
};

// Cell and pixel arithmetic runs in 64 bits, since offsets read from a plan can be anything;
// what goes back into 32-bit fields is clamped.
constexpr int32_t ClampToInt32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}
