#include "MixKernels.h"

#include "HotKernel.h"

#include <algorithm>
#include <cmath>

namespace gbxaudio {

namespace {

// Stereo into stereo without crossing: the usual case. Two frames per step, written out so
// that the compiler turns each step into one vector operation.
GBX_HOT_KERNEL void addStereo(float* __restrict out, const float* __restrict in, uint32_t frames,
                              float left, float right) {
    const uint32_t samples = frames * 2;
    uint32_t i = 0;
    for (; i + 4 <= samples; i += 4) {
        out[i] += in[i] * left;
        out[i + 1] += in[i + 1] * right;
        out[i + 2] += in[i + 2] * left;
        out[i + 3] += in[i + 3] * right;
    }
    if (i < samples) {
        out[i] += in[i] * left;
        out[i + 1] += in[i + 1] * right;
    }
}

GBX_HOT_KERNEL void addMonoToStereo(float* __restrict out, const float* __restrict in,
                                    uint32_t frames, float left, float right) {
    for (uint32_t i = 0; i < frames; ++i) {
        out[2 * i] += in[i] * left;
        out[2 * i + 1] += in[i] * right;
    }
}

GBX_HOT_KERNEL void addGeneral(float* out, uint32_t outChans, const float* in, uint32_t inChans,
                               uint32_t frames, const float* gains, float env, float slope) {
    for (uint32_t i = 0; i < frames; ++i) {
        const float e = env + slope * static_cast<float>(i);
        const float* frame = in + static_cast<uint64_t>(i) * inChans;
        float* mix = out + static_cast<uint64_t>(i) * outChans;
        for (uint32_t o = 0; o < outChans; ++o) {
            const float* row = gains + static_cast<uint64_t>(o) * inChans;
            float sum = 0;
            for (uint32_t c = 0; c < inChans; ++c)
                sum += frame[c] * row[c];
            mix[o] += sum * e;
        }
    }
}

// One channel's peak, strided: several running maxima, so that the compare chain is not one long
// dependency.
GBX_HOT_KERNEL float peakOf(const float* in, uint32_t stride, uint32_t frames, float peak) {
    float m[4] = {peak, 0.0f, 0.0f, 0.0f};
    uint32_t f = 0;
    for (; f + 4 <= frames; f += 4)
        for (uint32_t k = 0; k < 4; ++k)
            m[k] = std::max(m[k], std::fabs(in[size_t{f + k} * stride]));
    for (; f < frames; ++f)
        m[0] = std::max(m[0], std::fabs(in[size_t{f} * stride]));
    return std::max(std::max(m[0], m[1]), std::max(m[2], m[3]));
}

} // namespace

GBX_HOT_KERNEL void raisePeaks(const float* in, uint32_t inChans, uint32_t frames, uint32_t metered,
                               float* peaks) {
    if (inChans == 0)
        return;
    if (8 % inChans != 0) {
        for (uint32_t c = 0; c < std::min(inChans, metered); ++c)
            peaks[c] = peakOf(in + c, inChans, frames, peaks[c]);
        return;
    }
    // One pass over the samples, eight running maxima wide: maximum k follows channel
    // k % inChans, and the compiler makes two vector operations of each step.
    float m[8] = {};
    const size_t samples = size_t{frames} * inChans;
    size_t s = 0;
    for (; s + 8 <= samples; s += 8)
        for (size_t k = 0; k < 8; ++k)
            m[k] = std::max(m[k], std::fabs(in[s + k]));
    for (; s < samples; ++s)
        m[s % 8] = std::max(m[s % 8], std::fabs(in[s]));
    for (uint32_t k = 0; k < 8; ++k) {
        const uint32_t c = k % inChans;
        if (c < metered)
            peaks[c] = std::max(peaks[c], m[k]);
    }
}

void addFrames(float* out, uint32_t outChans, const float* in, uint32_t inChans, uint32_t frames,
               const float* gains, float env, float slope) {
    if (slope == 0.0f && outChans == 2) {
        if (inChans == 2 && gains[1] == 0.0f && gains[2] == 0.0f) {
            addStereo(out, in, frames, gains[0] * env, gains[3] * env);
            return;
        }
        if (inChans == 1) {
            addMonoToStereo(out, in, frames, gains[0] * env, gains[1] * env);
            return;
        }
    }
    addGeneral(out, outChans, in, inChans, frames, gains, env, slope);
}

} // namespace gbxaudio
