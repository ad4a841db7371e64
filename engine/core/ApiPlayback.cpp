// Exported calls: playing, the channel lock, attributes, levels and GetData.
#include "AllocationGuard.h"
#include "ChannelCall.h"
#include "Engine.h"
#include "LastError.h"
#include "LevelWord.h"
#include "SampleConvert.h"
#include "gbxaudio.h"

#include <algorithm>
#include <cmath>
#include <vector>

using namespace gbxaudio;

namespace {

constexpr DWORD kFailure = 0xFFFFFFFFu;
// Lengths with any of these bits set are flags this engine does not offer.
constexpr DWORD kDataFlagBits = 0xF0000000u;
constexpr uint32_t kDataChunk = 4096;
// What BASS_ChannelIsActive answers for a handle it does not know.
constexpr DWORD kUnknownIsStopped = BASS_ACTIVE_STOPPED;

// Locks taken through BASS_ChannelLock by this thread, so that a channel freed while locked can
// still be unlocked by its handle.
thread_local std::vector<std::shared_ptr<Channel>> t_heldLocks;

uint32_t windowFrames(const AudioFormat& format) {
    return std::max<uint32_t>(1, format.rate * kLevelWindowMs / 1000);
}

// A channel's lock for the length of one call.
class HeldLock {
public:
    explicit HeldLock(Channel& channel) : m_channel(channel), m_held(channel.lock()) {}
    ~HeldLock() {
        if (m_held)
            m_channel.unlock();
    }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;
    explicit operator bool() const { return m_held; }

private:
    Channel& m_channel;
    bool m_held;
};

// Pulls up to `frames` frames of a decoding channel into `buffer` in its sample type, and keeps
// the peaks of the last of them for BASS_ChannelGetLevel. Channel lock held.
uint32_t pullInto(Channel& channel, void* buffer, uint32_t frames) {
    const AudioFormat format = channel.format();
    const uint32_t window = windowFrames(format);
    std::vector<float> scratch;
    if (format.type != SampleType::Float32)
        scratch.resize(size_t{std::min(frames, kDataChunk)} * format.chans);
    float left = 0, right = 0;
    uint32_t done = 0;
    while (done < frames) {
        const uint32_t want = std::min(frames - done, kDataChunk);
        float* into = scratch.empty() ? static_cast<float*>(buffer) + size_t{done} * format.chans
                                      : scratch.data();
        uint32_t got = 0;
        {
            NoAllocationScope mixing;
            got = channel.pull(into, want, nullptr);
        }
        if (got >= window)
            left = right = 0;
        const uint32_t tail = std::min(got, window);
        peaksOf(into + size_t{got - tail} * format.chans, tail, format.chans, &left, &right);
        if (!scratch.empty())
            convertSamples(into, size_t{got} * format.chans, format.type,
                           static_cast<uint8_t*>(buffer) + format.bytesFromFrames(done));
        done += got;
        if (got < want)
            break;
    }
    if (done > 0)
        channel.notePulledPeaks(left, right);
    return done;
}

// Sets or slides an attribute once its code and value are known to be good.
template <class F> BOOL changeAttribute(DWORD handle, DWORD attrib, float value, F&& change) {
    return onChannel(handle, FALSE, [&](const SharedChannel& channel) -> BOOL {
        Attributes::Id id;
        if (!Attributes::fromCode(attrib, &id))
            return fail(BASS_ERROR_ILLTYPE, FALSE);
        if (!Attributes::isValid(id, value))
            return fail(BASS_ERROR_ILLPARAM, FALSE);
        change(channel->attributes(), id);
        setLastError(BASS_OK);
        return TRUE;
    });
}

} // namespace

extern "C" {

BOOL BASS_ChannelPlay(DWORD handle, BOOL restart) {
    return onChannel(handle, FALSE, [&](const SharedChannel& channel) -> BOOL {
        Engine& engine = Engine::instance();
        if (channel->isDecoding())
            return fail(BASS_ERROR_DECODE, FALSE);
        auto output = engine.output();
        if (!output)
            return fail(BASS_ERROR_INIT, FALSE);
        if (!output->play(channel, restart != FALSE))
            return fail(BASS_ERROR_START, FALSE);
        setLastError(BASS_OK);
        return TRUE;
    });
}

BOOL BASS_ChannelStop(DWORD handle) {
    return onChannel(handle, FALSE, [&](const SharedChannel& channel) -> BOOL {
        Engine& engine = Engine::instance();
        if (channel->isDecoding()) {
            channel->requestStopInMixer();
        } else if (auto output = engine.output()) {
            output->stop(*channel);
        }
        setLastError(BASS_OK);
        return TRUE;
    });
}

BOOL BASS_ChannelPause(DWORD handle) {
    return onChannel(handle, FALSE, [&](const SharedChannel& channel) -> BOOL {
        Engine& engine = Engine::instance();
        if (channel->isDecoding())
            return fail(BASS_ERROR_DECODE, FALSE);
        auto output = engine.output();
        if (!output || !output->pause(*channel))
            return fail(BASS_ERROR_NOPLAY, FALSE);
        setLastError(BASS_OK);
        return TRUE;
    });
}

DWORD BASS_ChannelIsActive(DWORD handle) {
    return onChannel(handle, kUnknownIsStopped, [&](const SharedChannel& channel) -> DWORD {
        setLastError(BASS_OK);
        if (channel->isDecoding())
            return channel->ended() ? BASS_ACTIVE_STOPPED : BASS_ACTIVE_PLAYING;
        auto slot = channel->playSlot();
        if (!slot || slot->finished())
            return BASS_ACTIVE_STOPPED;
        if (slot->paused())
            return BASS_ACTIVE_PAUSED;
        return slot->stalled() ? BASS_ACTIVE_STALLED : BASS_ACTIVE_PLAYING;
    });
}

BOOL BASS_ChannelLock(DWORD handle, BOOL lock) {
    return guarded(FALSE, [&]() -> BOOL {
        if (lock) {
            auto channel = Engine::instance().channel(handle);
            t_heldLocks.reserve(t_heldLocks.size() + 1); // no failure once locked
            if (!channel || !channel->lock())
                return fail(BASS_ERROR_HANDLE, FALSE);
            t_heldLocks.push_back(std::move(channel));
        } else {
            auto held = std::find_if(t_heldLocks.rbegin(), t_heldLocks.rend(),
                                     [handle](const auto& c) { return c->handle() == handle; });
            if (held == t_heldLocks.rend()) {
                const bool known = Engine::instance().channel(handle) != nullptr;
                return fail(known ? BASS_ERROR_NOTAVAIL : BASS_ERROR_HANDLE, FALSE);
            }
            (*held)->unlock();
            t_heldLocks.erase(std::next(held).base());
        }
        setLastError(BASS_OK);
        return TRUE;
    });
}

BOOL BASS_ChannelSetAttribute(DWORD handle, DWORD attrib, float value) {
    return changeAttribute(handle, attrib, value, [&](Attributes& attributes, Attributes::Id id) {
        attributes.set(id, value);
    });
}

BOOL BASS_ChannelSlideAttribute(DWORD handle, DWORD attrib, float value, DWORD ms) {
    return changeAttribute(handle, attrib, value, [&](Attributes& attributes, Attributes::Id id) {
        attributes.slide(id, value, ms);
    });
}

DWORD BASS_ChannelGetLevel(DWORD handle) {
    return onChannel(handle, kFailure, [&](const SharedChannel& channel) -> DWORD {
        if (channel->isDecoding()) {
            if (channel->ended())
                return fail(BASS_ERROR_NOPLAY, kFailure);
            float left = 0, right = 0;
            channel->recentPeaks(windowFrames(channel->format()), &left, &right);
            setLastError(BASS_OK);
            return packLevels(left, right);
        }
        auto slot = channel->playSlot();
        if (!slot || slot->paused() || slot->finished())
            return fail(BASS_ERROR_NOPLAY, kFailure);
        setLastError(BASS_OK);
        return slot->levels();
    });
}

DWORD BASS_ChannelGetData(DWORD handle, void* buffer, DWORD length) {
    return onChannel(handle, kFailure, [&](const SharedChannel& channel) -> DWORD {
        if (!channel->isDecoding() || channel->mixer() != 0)
            return fail(BASS_ERROR_NOTAVAIL, kFailure);
        if ((length & kDataFlagBits) || (!buffer && length > 0))
            return fail(BASS_ERROR_ILLPARAM, kFailure);
        HeldLock held(*channel);
        if (!held)
            return fail(BASS_ERROR_HANDLE, kFailure);
        const bool endedBefore = channel->ended();
        const AudioFormat format = channel->format();
        const uint32_t done =
            pullInto(*channel, buffer, static_cast<uint32_t>(format.framesFromBytes(length)));
        // Ended before this call: an error. Found to end by it: the 0 bytes it produced.
        if (done == 0 && channel->ended() && endedBefore)
            return fail(BASS_ERROR_ENDED, kFailure);
        setLastError(BASS_OK);
        return static_cast<DWORD>(format.bytesFromFrames(done));
    });
}

} // extern "C"
