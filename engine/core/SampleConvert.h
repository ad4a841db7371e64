// Converting mixed float frames to a channel's sample type, clipping integer formats.
#pragma once

#include "AudioFormat.h"

#include <cstddef>
#include <cstdint>

namespace gbxaudio {

// Writes `samples` samples of `type` to `out`. Integer types clip at full scale (16-bit rounds
// to nearest; 8-bit is unsigned, 128 = silence); float is copied unclipped.
void convertSamples(const float* in, size_t samples, SampleType type, void* out);

} // namespace gbxaudio
