// The output buffer of one played channel, and what of it has been heard.
#pragma once

#include "Channel.h"
#include "LevelTrail.h"
#include "Resampler.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace gbxaudio {

// The mixing thread writes what the channel produces, the device callback (or the "no sound"
// clock) consumes it, and the frames consumed are mapped back to the channel's positions.
class PlaySlot {
public:
    struct Setup {
        uint32_t outRate = 0;
        uint32_t outChans = 0;
        uint32_t bufferMs = 0;
        // Frames the device holds between the callback and the speaker: what the callback has
        // taken is heard that much later.
        uint32_t latencyFrames = 0;
    };
    using Clock = std::chrono::steady_clock;

    // Allocates everything the mixing thread and the callback will use.
    PlaySlot(std::shared_ptr<Channel> channel, Setup setup);
    PlaySlot(const PlaySlot&) = delete;
    PlaySlot& operator=(const PlaySlot&) = delete;

    const std::shared_ptr<Channel>& channel() const { return m_channel; }

    // Mixing thread: tops the buffer up, a block at a time, each block under the channel lock.
    // Does not allocate; skips a round when another thread holds the lock.
    void fill();
    // Device callback: adds up to `frames` buffered frames into `out`; only copies.
    void mixInto(float* out, uint32_t frames);
    // "No sound": consumes what real time says has been heard by `now`. Mixing thread.
    void consumeByClock(Clock::time_point now);

    // Any thread.
    bool paused() const { return m_paused.load(); }
    void setPaused(bool paused) { m_paused.store(paused); }
    bool stalled() const;
    // Ended, and everything produced has been heard.
    bool finished() const;
    uint64_t heardPosition() const;
    uint64_t heardChannelFrames() const;
    uint32_t levels() const;

    // Sync thread: runs the heard position syncs passed since the last call; at the finish, the
    // heard end syncs too.
    void runHeardSyncs();

private:
    struct Marker {
        uint64_t serial = 0;
        uint64_t counter = 0; // output frames written before it
        uint64_t position = 0;
    };
    static constexpr uint32_t kMarkers = 32;

    uint64_t outToChannel(uint64_t outFrames) const;
    uint64_t channelToOut(uint64_t channelFrames) const;
    void addMarker(uint64_t counter, uint64_t position);
    // The markers still kept, oldest first.
    std::vector<Marker> markers() const;
    // Applies volume and pan and maps the channel's channels onto the output's.
    void shape(uint32_t frames);
    void write(const float* data, uint32_t frames);
    void fireHeard(uint64_t from, bool fromInclusive, uint64_t to);
    // The output frames heard by now: what the callback took, once the device's latency has
    // passed since (the callback's passes count on through pauses, stalls and the end).
    uint64_t heardCounter() const;

    const std::shared_ptr<Channel> m_channel;
    const Setup m_setup;
    const uint32_t m_inChans;
    const uint32_t m_inRate;
    const uint32_t m_capacity; // output frames
    const uint64_t m_producedAtStart;

    std::vector<float> m_ring;
    std::atomic<uint64_t> m_written{0};
    std::atomic<uint64_t> m_read{0};
    std::atomic<uint64_t> m_passed{0}; // frames of every callback pass since the slot began

    std::vector<float> m_pulled;
    std::vector<float> m_shaped;
    std::vector<float> m_converted;
    std::unique_ptr<Resampler> m_resampler;
    uint32_t m_pendingAt = 0;
    uint32_t m_pendingFrames = 0;

    std::atomic<bool> m_paused{false};
    std::atomic<bool> m_stalled{false};
    std::atomic<bool> m_producedEnd{false};
    std::atomic<uint64_t> m_endCounter{0};

    bool m_draining = false; // mixing thread: the channel ended, the converter lets out the rest

    bool m_clockStarted = false;
    Clock::time_point m_clockStart{};
    uint64_t m_clockBase = 0;

    LevelTrail m_levels;

    mutable std::mutex m_markerMutex;
    Marker m_markers[kMarkers];
    uint64_t m_markerCount = 0;

    // Sync thread only.
    bool m_heardStarted = false;
    uint64_t m_heardSerial = 0;
    uint64_t m_heardPos = 0;
};

} // namespace gbxaudio
