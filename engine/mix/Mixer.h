// A mixer stream's producer, which places each source at its exact frame.
#pragma once

#include "EngineHost.h"
#include "HandleTable.h"
#include "MixSource.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

namespace gbxaudio {

// Every method runs with the mixer's channel lock held (produce by the mixing thread or the
// GetData caller, the rest by the BASS_Mixer_ calls), except ended(), which any thread may ask.
// Waiting sources cost nothing until they enter: they sit in a heap ordered by start.
class Mixer final : public Producer {
public:
    Mixer(const AudioFormat& format, uint32_t flags, uint32_t bufferMs);
    ~Mixer() override;

    // Producer
    ProducerKind kind() const override { return ProducerKind::Mixer; }
    bool usesChannelLock() const override { return true; }
    uint32_t produce(float* out, uint32_t frames) override;
    const float* take(uint32_t, uint32_t*) override { return nullptr; }
    bool ended() const override;
    // Only renumbers: waiting sources keep their distance in frames.
    bool seek(uint64_t) override { return true; }
    uint64_t lengthFrames() const override { return kUnknownLength; }
    bool recentPeaks(uint32_t, float*, float*) const override { return false; }
    void bind(HostChannel& channel) override;

    const AudioFormat& format() const { return m_format; }
    HostChannel& channel() { return *m_channel; }

    // The source enters `delay` frames after the frames produced so far and sounds for
    // `length` frames (UINT64_MAX: to its end). BASS_OK or an error code.
    int add(std::shared_ptr<HostChannel> source, uint32_t flags, uint64_t delay, uint64_t length);
    // A source added to this mixer and not yet forgotten; nullptr otherwise.
    MixSource* find(Handle source);
    // The mixer's frames heard so far (played) or produced (decoding).
    uint64_t heardClock() const { return m_channel->heardFrames(); }

private:
    // Ends a source whose stream is gone, and lets the stream join a mixer again.
    void drop(MixSource& source);
    // Moves waiting sources that start before `blockEnd` to the sounding ones.
    void admit(uint64_t blockEnd);
    // Drops waiting sources whose streams are gone; true when any remain.
    bool liveWaiting();
    // Mixes one source into the block from `from`; returns where it stopped sounding
    // (`frames` when it goes on).
    uint32_t mixSource(MixSource& source, float* out, uint32_t from, uint32_t frames,
                       uint64_t blockStart);
    // Forgets sources that ended and whose streams are gone; now and then, from add.
    void sweep();

    const AudioFormat m_format;
    const uint32_t m_flags;
    const uint32_t m_trailEntries;
    HostChannel* m_channel = nullptr;
    Handle m_handle = 0;
    uint64_t m_clock = 0; // frames produced since creation
    bool m_producing = false;
    std::atomic<bool> m_ended;

    HandleTable<std::unique_ptr<MixSource>> m_sources;
    std::vector<MixSource*> m_waiting; // a heap, earliest start on top
    std::vector<MixSource*> m_sounding;
    std::vector<std::unique_ptr<MixSource>> m_retired; // replaced records, freed by sweep
    size_t m_sweepAt = 64;

    std::vector<float> m_scratch;
    std::vector<float> m_gains;
};

} // namespace gbxaudio
