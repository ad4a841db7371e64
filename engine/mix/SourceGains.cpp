#include "SourceGains.h"

#include <algorithm>

namespace gbxaudio {

std::vector<float> defaultMatrix(uint32_t inChans, uint32_t outChans) {
    std::vector<float> matrix(size_t{inChans} * outChans, 0.0f);
    auto cell = [&](uint32_t out, uint32_t in) -> float& {
        return matrix[size_t{out} * inChans + in];
    };
    if (inChans == 1) {
        for (uint32_t out = 0; out < std::min(outChans, 2u); ++out)
            cell(out, 0) = 1.0f;
    } else if (outChans == 1) {
        for (uint32_t in = 0; in < inChans; ++in)
            cell(0, in) = 1.0f / static_cast<float>(inChans);
    } else {
        for (uint32_t in = 0; in < inChans; ++in)
            cell(in % outChans, in) = 1.0f;
    }
    return matrix;
}

void computeGains(const std::vector<float>& matrix, const std::vector<float>& fallback,
                  bool useMatrix, float volume, float pan, uint32_t inChans, uint32_t outChans,
                  float* gains) {
    const std::vector<float>& source = useMatrix ? matrix : fallback;
    const float left = useMatrix || outChans < 2 ? 1.0f : std::min(1.0f, 1.0f - pan);
    const float right = useMatrix || outChans < 2 ? 1.0f : std::min(1.0f, 1.0f + pan);
    for (uint32_t out = 0; out < outChans; ++out) {
        const float side = volume * ((out & 1) ? right : left);
        for (uint32_t in = 0; in < inChans; ++in)
            gains[size_t{out} * inChans + in] = source[size_t{out} * inChans + in] * side;
    }
}

} // namespace gbxaudio
