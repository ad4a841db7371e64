// One source of a mixer: its stream, entry, length, matrix, envelope and rate converter.
#pragma once

#include "EngineHost.h"
#include "Envelope.h"
#include "LevelTrail.h"
#include "Resampler.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace gbxaudio {

// Touched under the mixer's channel lock only (the mixing thread holds it while it mixes).
class MixSource {
public:
    // Allocates everything mixing will use: matrix, converter and its input, level trail.
    // lengthFrames UINT64_MAX: sounds to its end.
    MixSource(std::shared_ptr<HostChannel> channel, const AudioFormat& mixFormat, uint32_t flags,
              uint64_t startClock, uint64_t lengthFrames, uint32_t trailEntries);

    HostChannel& channel() { return *m_channel; }
    // The stream's position when it was added, in its frames.
    uint64_t positionAtAdd() const { return m_positionAtAdd; }
    uint32_t inChans() const { return m_inChans; }

    uint64_t startClock() const { return m_startClock; }
    // Frames it may still sound; UINT64_MAX without a length.
    uint64_t lengthLeft() const;
    void noteMixed(uint64_t frames) { m_mixed += frames; }
    uint64_t mixedFrames() const { return m_mixed; }
    bool finished() const { return m_finished; }
    void finish() { m_finished = true; }

    bool usesMatrix() const;
    std::vector<float>& matrix() { return m_matrix; }
    const std::vector<float>& defaultGains() const { return m_default; }
    Envelope& envelope() { return m_envelope; }
    LevelTrail* trail() { return m_trail.get(); }

    // Up to `frames` frames at the mixer's rate; `*data` points at them (in the stream's storage
    // or in `scratch`, which has room for `frames` frames). 0 when the stream has nothing now.
    // Mixing thread: runs the stream's syncs; no allocation.
    uint32_t fetch(float* scratch, uint32_t frames, const float** data);
    // Mixing thread: whether the stream has nothing more, after running the syncs due at its
    // position (which may send it elsewhere). A converted stream tells only once drained.
    bool atEnd();

private:
    uint32_t fetchConverted(float* scratch, uint32_t frames);

    std::shared_ptr<HostChannel> m_channel;
    uint32_t m_flags;
    uint32_t m_inChans;
    uint64_t m_startClock;
    uint64_t m_length; // UINT64_MAX: to its end
    uint64_t m_positionAtAdd;
    uint64_t m_mixed = 0;
    bool m_finished = false;

    std::vector<float> m_matrix;
    std::vector<float> m_default;
    Envelope m_envelope;
    std::unique_ptr<LevelTrail> m_trail;

    std::unique_ptr<Resampler> m_resampler;
    std::vector<float> m_input;
    uint32_t m_inputAt = 0;
    uint32_t m_inputHave = 0;
    bool m_inputEnded = false;
};

} // namespace gbxaudio
