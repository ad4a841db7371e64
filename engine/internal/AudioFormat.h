// Sample types and frame arithmetic shared by the engine's libraries.
#pragma once

#include <cstdint>

namespace gbxaudio {

enum class SampleType : uint8_t { Int8, Int16, Float32 };

struct AudioFormat {
    uint32_t rate = 0;
    uint32_t chans = 0;
    SampleType type = SampleType::Float32;

    uint32_t bytesPerSample() const {
        return type == SampleType::Int8 ? 1 : type == SampleType::Int16 ? 2 : 4;
    }
    uint32_t frameBytes() const { return bytesPerSample() * chans; }
    // A byte count inside a frame is rounded down to the frame.
    uint64_t framesFromBytes(uint64_t bytes) const { return bytes / frameBytes(); }
    uint64_t bytesFromFrames(uint64_t frames) const { return frames * frameBytes(); }
};

// The sample type a creation flag word asks for (BASS_SAMPLE_8BITS, BASS_SAMPLE_FLOAT).
inline SampleType sampleTypeFromFlags(uint32_t flags) {
    if (flags & 0x100u)
        return SampleType::Float32;
    if (flags & 0x1u)
        return SampleType::Int8;
    return SampleType::Int16;
}

} // namespace gbxaudio
