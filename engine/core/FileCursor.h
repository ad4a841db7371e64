// The producer of a decoding stream: a cursor into a decoded file held by the cache.
#pragma once

#include "DecodedAudio.h"
#include "EngineHost.h"

#include <atomic>
#include <memory>

namespace gbxaudio {

// Guarded by its channel's short state lock; ended() and recentPeaks() read atomically.
class FileCursor final : public Producer {
public:
    explicit FileCursor(std::shared_ptr<const DecodedAudio> audio);

    ProducerKind kind() const override { return ProducerKind::DecodedFile; }
    bool usesChannelLock() const override { return false; }
    uint32_t produce(float* out, uint32_t frames) override;
    const float* take(uint32_t frames, uint32_t* taken) override;
    bool ended() const override;
    bool seek(uint64_t frame) override;
    uint64_t lengthFrames() const override { return m_frames; }
    bool recentPeaks(uint32_t frames, float* left, float* right) const override;
    void bind(HostChannel&) override {}

private:
    std::shared_ptr<const DecodedAudio> m_audio;
    const uint64_t m_frames;
    std::atomic<uint64_t> m_at{0};
};

} // namespace gbxaudio
