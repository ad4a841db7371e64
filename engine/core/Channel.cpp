#include "Channel.h"

#include "AllocationGuard.h"
#include "LevelWord.h"
#include "PlaySlot.h"
#include "gbxaudio.h"

#include <algorithm>
#include <cstring>

namespace gbxaudio {

namespace {
// Sync procedures taken per look; more due at one position are taken on the next look.
constexpr size_t kSyncBatch = 16;
} // namespace

void PositionJumps::note(uint32_t offset, uint64_t position) {
    if (count > 0 && jumps[count - 1].offset == offset) {
        jumps[count - 1].position = position; // a later jump at the same frame wins
        return;
    }
    if (count == kCapacity) {
        jumps[kCapacity - 1] = Jump{offset, position};
        return;
    }
    jumps[count++] = Jump{offset, position};
}

Channel::Channel(Handle handle, std::unique_ptr<Producer> producer, ChannelIdentity identity)
    : m_handle(handle), m_producer(std::move(producer)), m_identity(std::move(identity)) {
    m_producer->bind(*this);
}

Channel::~Channel() = default;

bool Channel::isDecoding() const {
    return (m_identity.flags & BASS_STREAM_DECODE) != 0;
}

bool Channel::gone() const {
    return m_freed.load() || m_stopInMixer.load();
}

void Channel::markFreed() {
    if (m_freed.exchange(true))
        return;
    m_syncs.clear();
}

void Channel::requestStopInMixer() {
    if (m_mixer.load() != 0)
        m_stopInMixer.store(true);
}

bool Channel::attachToMixer(Handle mixer) {
    Handle none = 0;
    if (!m_mixer.compare_exchange_strong(none, mixer))
        return false;
    m_stopInMixer.store(false);
    return true;
}

void Channel::detachFromMixer(Handle mixer) {
    Handle expected = mixer;
    if (m_mixer.compare_exchange_strong(expected, 0))
        m_stopInMixer.store(false);
}

bool Channel::lock() {
    return m_lock.lock(m_freed);
}

void Channel::unlock() {
    m_lock.unlock();
}

uint64_t Channel::heardFrames() const {
    if (auto slot = playSlot())
        return slot->heardChannelFrames();
    return m_delivered.load();
}

bool Channel::isActive() const {
    if (isDecoding())
        return !ended();
    auto slot = playSlot();
    return slot && !slot->paused();
}

bool Channel::recentPeaks(uint32_t frames, float* left, float* right) const {
    if (m_producer->recentPeaks(frames, left, right))
        return true;
    const uint32_t word = m_pulledLevel.load();
    *left = unpackLeft(word);
    *right = unpackRight(word);
    return true;
}

void Channel::notePulledPeaks(float left, float right) {
    m_pulledLevel.store(packLevels(left, right));
}

bool Channel::setPosition(uint64_t frame) {
    ProducerGuard guard(*this, m_stateMutex);
    if (!guard || !m_producer->seek(frame))
        return false;
    m_position.store(frame);
    m_seekCount.fetch_add(1);
    return true;
}

Handle Channel::addSync(SyncList::When when, SyncList::Kind kind, uint64_t frame, SYNCPROC* proc,
                        void* user) {
    ProducerGuard guard(*this, m_stateMutex);
    if (!guard || m_freed.load())
        return 0;
    return m_syncs.add(when, kind, frame, proc, user);
}

// Runs again after each procedure, which may have moved the position to more due syncs.
void Channel::runDueSyncs() {
    SyncCall calls[kSyncBatch];
    for (;;) {
        const size_t due = m_syncs.takeDue(m_position.load(), m_producer->ended(),
                                           m_delivered.load(), calls, kSyncBatch);
        if (due == 0)
            return;
        for (size_t i = 0; i < due; ++i) {
            if (m_freed.load())
                return;
            if (!m_syncs.contains(calls[i].sync)) // an earlier procedure removed it
                continue;
            AllocationAllowedScope programCode;
            calls[i].proc(calls[i].sync, m_handle, 0, calls[i].user);
        }
    }
}

uint32_t Channel::read(float* scratch, uint32_t frames, const float** data) {
    if (frames == 0)
        return 0;
    for (;;) {
        runDueSyncs();
        if (m_freed.load())
            return 0;
        ProducerGuard guard(*this, m_stateMutex);
        if (!guard)
            return 0;
        const uint64_t position = m_position.load();
        const uint64_t visit = m_delivered.load();
        const uint64_t stop = m_syncs.nextStop(position, visit);
        if (stop == position)
            continue; // a sync was set here meanwhile: run it first
        const uint32_t limit = static_cast<uint32_t>(std::min<uint64_t>(frames, stop - position));
        uint32_t got = 0;
        const float* in = m_producer->take(limit, &got);
        if (!in) {
            got = m_producer->produce(scratch, limit);
            in = scratch;
        }
        if (got > 0) {
            m_position.store(position + got);
            m_delivered.store(visit + got);
            *data = in;
            return got;
        }
        if (!m_producer->ended())
            return 0; // stalled
        if (!m_syncs.anyDue(position, true, visit))
            return 0; // ended, and every end sync has run
    }
}

uint32_t Channel::pull(float* out, uint32_t frames, PositionJumps* jumps) {
    const uint32_t chans = m_identity.format.chans;
    uint32_t done = 0;
    uint32_t seeks = m_seekCount.load();
    while (done < frames) {
        const float* data = nullptr;
        float* at = out + size_t{done} * chans;
        const uint32_t got = read(at, frames - done, &data);
        if (jumps && m_seekCount.load() != seeks) {
            seeks = m_seekCount.load();
            jumps->note(done, m_position.load() - got);
        }
        if (got == 0)
            break;
        if (data != at)
            std::memcpy(at, data, size_t{got} * chans * sizeof(float));
        done += got;
    }
    return done;
}

void Channel::setPlaySlot(const std::shared_ptr<PlaySlot>& slot) {
    std::lock_guard lock(m_slotMutex);
    m_slot = slot;
}

std::shared_ptr<PlaySlot> Channel::playSlot() const {
    std::lock_guard lock(m_slotMutex);
    return m_slot.lock();
}

ProducerGuard::ProducerGuard(Channel& channel, std::mutex& stateMutex)
    : m_channel(channel), m_stateMutex(stateMutex),
      m_usesChannelLock(channel.producer().usesChannelLock()) {
    if (m_usesChannelLock) {
        m_locked = m_channel.channelLock().lock(m_channel.freedFlag());
    } else {
        m_stateMutex.lock();
        m_locked = true;
    }
}

ProducerGuard::~ProducerGuard() {
    if (!m_locked)
        return;
    if (m_usesChannelLock)
        m_channel.channelLock().unlock();
    else
        m_stateMutex.unlock();
}

} // namespace gbxaudio
