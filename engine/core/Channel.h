// One stream or mixer: its producer, position, syncs, attributes, lock and playback.
#pragma once

#include "Attributes.h"
#include "ChannelLock.h"
#include "EngineHost.h"
#include "SyncList.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

namespace gbxaudio {

class PlaySlot;

// Where, within frames just pulled, the position was set; so the output can tell which position
// each frame it plays belongs to.
struct PositionJumps {
    static constexpr uint32_t kCapacity = 8;
    struct Jump {
        uint32_t offset; // frames into the pulled block
        uint64_t position;
    };
    Jump jumps[kCapacity];
    uint32_t count = 0;

    void note(uint32_t offset, uint64_t position);
};

struct ChannelIdentity {
    AudioFormat format;
    uint32_t flags = 0;
    uint32_t ctype = 0;
    uint32_t origBits = 0;
    Handle plugin = 0;
    std::string fileName; // empty: none
};

// Threads: the API (any thread), the producing thread (mixing thread or GetData caller, holding
// the producer guard while it produces), the sync thread. Position and counters are atomic.
class Channel final : public HostChannel {
public:
    Channel(Handle handle, std::unique_ptr<Producer> producer, ChannelIdentity identity);
    ~Channel();
    Channel(const Channel&) = delete;
    Channel& operator=(const Channel&) = delete;

    // HostChannel
    Handle handle() const override { return m_handle; }
    AudioFormat format() const override { return m_identity.format; }
    bool isDecoding() const override;
    Producer& producer() override { return *m_producer; }
    bool gone() const override;
    uint32_t read(float* scratch, uint32_t frames, const float** data) override;
    void runDueSyncs() override;
    uint64_t position() const override { return m_position.load(); }
    float volume() const override { return m_attributes.get(Attributes::Id::Volume); }
    float pan() const override { return m_attributes.get(Attributes::Id::Pan); }
    bool recentPeaks(uint32_t frames, float* left, float* right) const override;
    bool attachToMixer(Handle mixer) override;
    void detachFromMixer(Handle mixer) override;
    Handle mixer() const override { return m_mixer.load(); }
    bool lock() override;
    void unlock() override;
    uint64_t heardFrames() const override;
    bool isActive() const override;

    const ChannelIdentity& identity() const { return m_identity; }
    SyncList& syncs() { return m_syncs; }
    Attributes& attributes() { return m_attributes; }
    ChannelLock& channelLock() { return m_lock; }
    const std::atomic<bool>& freedFlag() const { return m_freed; }
    bool freed() const { return m_freed.load(); }
    // Once: no more syncs run and every waiting lock gives up.
    void markFreed();
    // Takes a source out of its mixer (BASS_ChannelStop on a source).
    void requestStopInMixer();

    // Any thread; false when the producer has no such position.
    bool setPosition(uint64_t frame);
    // Any thread; under the producer guard, so production does not run past the new sync.
    // 0 when the channel is freed meanwhile.
    Handle addSync(SyncList::When when, SyncList::Kind kind, uint64_t frame, SYNCPROC* proc,
                   void* user);
    bool ended() const { return m_producer->ended(); }
    uint64_t producedFrames() const { return m_delivered.load(); }

    // Producing thread, channel lock held when the producer asks for it: fills `out` with up to
    // `frames` frames, running production syncs; returns the frames written (fewer once ended
    // or stalled) and notes where the position was set.
    uint32_t pull(float* out, uint32_t frames, PositionJumps* jumps);

    // Levels of the last data pulled by BASS_ChannelGetData (decoding mixers).
    void notePulledPeaks(float left, float right);

    // Playback, kept by the output.
    void setPlaySlot(const std::shared_ptr<PlaySlot>& slot);
    std::shared_ptr<PlaySlot> playSlot() const;

private:
    const Handle m_handle;
    const std::unique_ptr<Producer> m_producer;
    const ChannelIdentity m_identity;

    std::mutex m_stateMutex; // the producer guard of producers that do not use the channel lock
    std::atomic<uint64_t> m_position{0};
    std::atomic<uint64_t> m_delivered{0};
    std::atomic<uint32_t> m_seekCount{0};

    SyncList m_syncs;
    Attributes m_attributes;
    ChannelLock m_lock;
    std::atomic<bool> m_freed{false};
    std::atomic<bool> m_stopInMixer{false};
    std::atomic<Handle> m_mixer{0};
    std::atomic<uint32_t> m_pulledLevel{0};

    mutable std::mutex m_slotMutex;
    std::weak_ptr<PlaySlot> m_slot;
};

// Holds whichever lock guards a channel's producer.
class ProducerGuard {
public:
    explicit ProducerGuard(Channel& channel, std::mutex& stateMutex);
    ~ProducerGuard();
    ProducerGuard(const ProducerGuard&) = delete;
    ProducerGuard& operator=(const ProducerGuard&) = delete;
    explicit operator bool() const { return m_locked; }

private:
    Channel& m_channel;
    std::mutex& m_stateMutex;
    bool m_usesChannelLock;
    bool m_locked;
};

} // namespace gbxaudio
