// Peak levels as the level calls report them: left in the low word, right in the high word.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace gbxaudio {

// Levels of the last 20 ms are reported.
constexpr uint32_t kLevelWindowMs = 20;

inline uint32_t levelFromPeak(float peak) {
    return static_cast<uint32_t>(std::lround(std::clamp(peak, 0.0f, 1.0f) * 32768.0f));
}

inline uint32_t packLevels(float left, float right) {
    return levelFromPeak(left) | (levelFromPeak(right) << 16);
}

// Raises *left and *right to the peaks of tracks 0 and 1 (0 twice when mono) over the frames.
inline void peaksOf(const float* data, uint32_t frames, uint32_t chans, float* left, float* right) {
    for (uint32_t f = 0; f < frames; ++f) {
        *left = std::max(*left, std::fabs(data[size_t{f} * chans]));
        *right = std::max(*right, std::fabs(data[size_t{f} * chans + (chans > 1 ? 1 : 0)]));
    }
}

inline float unpackLeft(uint32_t word) {
    return static_cast<float>(word & 0xFFFF) / 32768.0f;
}

inline float unpackRight(uint32_t word) {
    return static_cast<float>(word >> 16) / 32768.0f;
}

} // namespace gbxaudio
