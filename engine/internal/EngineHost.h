// What the core library offers the mixer library: channels it can create, find, read and lock.
#pragma once

#include "AudioFormat.h"

#include <cstdint>
#include <memory>

namespace gbxaudio {

using Handle = uint32_t;

constexpr uint64_t kUnknownLength = UINT64_MAX;

class HostChannel;

enum class ProducerKind : uint8_t { DecodedFile, Mixer };

// Where a channel's audio comes from: a cursor into a decoded file (core) or a mixer (mix).
// The core calls produce, take and seek with the channel's producer guard held: the channel lock
// when usesChannelLock() (mixers), else a short internal lock of the channel.
class Producer {
public:
    virtual ~Producer() = default;
    virtual ProducerKind kind() const = 0;
    // True: guarded by the channel lock, and produce may run sync procedures of other channels.
    // False: guarded by a short lock; produce and take must not call out.
    virtual bool usesChannelLock() const = 0;
    // Mixing thread or GetData caller. Writes up to `frames` interleaved float frames; fewer only
    // when ended() or stalled (nothing to play). Does not allocate.
    virtual uint32_t produce(float* out, uint32_t frames) = 0;
    // Up to `frames` frames readable in place from immutable storage, consumed at once; nullptr
    // when the producer has no such storage. The data stays valid while the producer lives.
    virtual const float* take(uint32_t frames, uint32_t* taken) = 0;
    virtual bool ended() const = 0;
    // Moves to a frame; false when the position does not exist.
    virtual bool seek(uint64_t frame) = 0;
    virtual uint64_t lengthFrames() const = 0;
    // Peaks of the first two channels over up to `frames` frames before the position; false when
    // the producer keeps no such data.
    virtual bool recentPeaks(uint32_t frames, float* left, float* right) const = 0;
    // The channel that owns this producer; called once, before any other call.
    virtual void bind(HostChannel& channel) = 0;
};

// A channel as the mixer library sees it. Thread-safe unless a method says otherwise.
class HostChannel {
public:
    virtual Handle handle() const = 0;
    virtual AudioFormat format() const = 0;
    virtual bool isDecoding() const = 0;
    virtual Producer& producer() = 0;
    // Freed, or stopped while in a mixer: the mixer drops it.
    virtual bool gone() const = 0;
    // Producing thread: reads up to `frames` frames for a mixer, running the channel's syncs at
    // their exact positions first. `*data` points into the channel's storage or at `scratch`
    // (room for `frames` frames). Returns 0 once ended or stalled.
    virtual uint32_t read(float* scratch, uint32_t frames, const float** data) = 0;
    // Producing thread: runs the syncs due at the current position without producing, so that
    // a stream at its end either ends now or is sent elsewhere by its syncs.
    virtual void runDueSyncs() = 0;
    // Decoding position in frames.
    virtual uint64_t position() const = 0;
    // Current values, slides included.
    virtual float volume() const = 0;
    virtual float pan() const = 0;
    // Peaks of the last `frames` frames produced, if the channel can tell.
    virtual bool recentPeaks(uint32_t frames, float* left, float* right) const = 0;
    // Mixer membership; attach fails when the channel already belongs to a mixer.
    virtual bool attachToMixer(Handle mixer) = 0;
    virtual void detachFromMixer(Handle mixer) = 0;
    virtual Handle mixer() const = 0;
    // The channel lock of BASS_ChannelLock (recursive). lock gives up with false once the
    // channel is freed or the output closes.
    virtual bool lock() = 0;
    virtual void unlock() = 0;
    // Frames of this channel heard so far when played, else produced so far.
    virtual uint64_t heardFrames() const = 0;
    // Playing when played; not ended when decoding.
    virtual bool isActive() const = 0;

protected:
    ~HostChannel() = default;
};

class Host {
public:
    // The calling thread's last error code.
    virtual void setError(int code) const = 0;
    virtual bool initialised() const = 0;
    // Registers a channel around the producer; 0 with the error set on failure.
    virtual Handle createChannel(std::unique_ptr<Producer> producer, const AudioFormat& format,
                                 uint32_t flags, uint32_t ctype) const = 0;
    virtual std::shared_ptr<HostChannel> find(Handle handle) const = 0;
    // The configured output buffer length.
    virtual uint32_t bufferMs() const = 0;
    // The calling thread's depth of no-allocation scopes (AllocationGuard.h).
    virtual int& noAllocationDepth() const = 0;

protected:
    ~Host() = default;
};

constexpr uint32_t kHostInterfaceVersion = 1;

} // namespace gbxaudio

// Exported by the core next to the BASS_ calls; nullptr for another interface version.
extern "C" __attribute__((visibility("default"))) const gbxaudio::Host*
gbxAudioHost(uint32_t version);
