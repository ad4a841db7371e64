// The inner loops of the mixer: adding scaled source frames into the mix.
#pragma once

#include <cstdint>

namespace gbxaudio {

// Adds `frames` source frames (inChans interleaved) into `out` (outChans interleaved), each
// scaled by gains (outChans rows x inChans columns) and by the envelope factor env + k x slope
// of frame k. Mixing thread: no allocation.
void addFrames(float* out, uint32_t outChans, const float* in, uint32_t inChans, uint32_t frames,
               const float* gains, float env, float slope);

// Raises peaks[c] to the largest magnitude of source channel c over `frames` frames, for the
// first `metered` of the inChans interleaved channels. Mixing thread: no allocation.
void raisePeaks(const float* in, uint32_t inChans, uint32_t frames, uint32_t metered, float* peaks);

} // namespace gbxaudio
