#include "MixKernels.h"

namespace gbxaudio {

namespace {

// Stereo into stereo without crossing: the usual case. Two frames per step, written out so
// that the compiler turns each step into one vector operation.
void addStereo(float* __restrict out, const float* __restrict in, uint32_t frames, float left,
               float right) {
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

void addMonoToStereo(float* __restrict out, const float* __restrict in, uint32_t frames, float left,
                     float right) {
    for (uint32_t i = 0; i < frames; ++i) {
        out[2 * i] += in[i] * left;
        out[2 * i + 1] += in[i] * right;
    }
}

void addGeneral(float* out, uint32_t outChans, const float* in, uint32_t inChans, uint32_t frames,
                const float* gains, float env, float slope) {
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

} // namespace

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
