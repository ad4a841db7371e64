// A whole decoded file: interleaved float frames shared by every stream of that file.
#pragma once

#include "EngineHost.h"

#include <cstdint>
#include <vector>

namespace gbxaudio {

// Threads: filled by the one thread that decodes it, before the cache shares it; from then on it
// is only read (as const, through shared pointers) by any thread, the mixing thread included,
// without a lock.
struct DecodedAudio {
    uint32_t rate = 0;
    uint32_t chans = 0;
    uint32_t origBits = 0; // 0 when the decoder reports none
    Handle plugin = 0;     // 0: the built-in decoder
    std::vector<float> samples;

    uint64_t frames() const { return chans ? samples.size() / chans : 0; }
    uint64_t memoryBytes() const { return samples.capacity() * sizeof(float) + sizeof(*this); }
};

} // namespace gbxaudio
