// Streaming sample-rate conversion of interleaved float frames through libsoxr.
#pragma once

#include <soxr.h>

#include <cstddef>
#include <new>

namespace gbxaudio {

// Used by one thread at a time (the mixing thread, or whoever holds the mixer's lock).
class Resampler {
public:
    Resampler(double inRate, double outRate, unsigned chans) {
        soxr_error_t error = nullptr;
        const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
        const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
        m_soxr = soxr_create(inRate, outRate, chans, &error, &io, &quality, nullptr);
        if (error || !m_soxr)
            throw std::bad_alloc();
    }
    ~Resampler() { soxr_delete(m_soxr); }
    Resampler(const Resampler&) = delete;
    Resampler& operator=(const Resampler&) = delete;

    // Converts up to `inFrames` input frames (`in` nullptr: the input has ended, drain what is
    // held) into up to `outFrames` output frames; returns the frames written, *used the input
    // frames consumed. Does not allocate.
    size_t process(const float* in, size_t inFrames, size_t* used, float* out, size_t outFrames) {
        size_t done = 0;
        *used = 0;
        soxr_process(m_soxr, in, in ? inFrames : 0, used, out, outFrames, &done);
        return done;
    }

    // Forgets held input, for a jump in the input.
    void reset() { soxr_clear(m_soxr); }

private:
    soxr_t m_soxr = nullptr;
};

} // namespace gbxaudio
