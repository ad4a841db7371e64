// The inner loops of the mixer: adding scaled source frames into the mix.
#pragma once

#include <cstdint>

namespace gbxaudio {

// Adds `frames` source frames (inChans interleaved) into `out` (outChans interleaved), each
// scaled by gains (outChans rows x inChans columns) and by the envelope factor env + k x slope
// of frame k. Mixing thread: no allocation.
void addFrames(float* out, uint32_t outChans, const float* in, uint32_t inChans, uint32_t frames,
               const float* gains, float env, float slope);

} // namespace gbxaudio
