#include "PlaySlot.h"

#include "AllocationGuard.h"
#include "LevelWord.h"

#include <algorithm>
#include <cmath>

namespace gbxaudio {

namespace {
// Frames the mixing thread produces per lock of the channel (about 12 ms at 44.1 kHz).
constexpr uint32_t kBlock = 512;
// Less room than this waits for the next round.
constexpr uint64_t kMinRoom = 64;
// The levels kept cover this many output frames per entry at most.
constexpr uint32_t kLevelEntryFrames = 256;

uint32_t framesFor(uint32_t rate, uint32_t ms) {
    return static_cast<uint32_t>(uint64_t{rate} * ms / 1000);
}
} // namespace

PlaySlot::PlaySlot(std::shared_ptr<Channel> channel, Setup setup)
    : m_channel(std::move(channel)), m_setup(setup), m_inChans(m_channel->format().chans),
      m_inRate(m_channel->format().rate),
      m_capacity(std::max<uint32_t>(framesFor(setup.outRate, setup.bufferMs), kBlock)),
      m_producedAtStart(m_channel->producedFrames()),
      m_levels(m_capacity / kLevelEntryFrames + 64) {
    m_ring.resize(size_t{m_capacity} * setup.outChans);
    m_pulled.resize(size_t{kBlock} * m_inChans);
    m_shaped.resize(size_t{kBlock} * setup.outChans);
    if (m_inRate != setup.outRate) {
        m_resampler = std::make_unique<Resampler>(m_inRate, setup.outRate, setup.outChans);
        // a block converted, plus what the converter holds back and lets out at the end
        const double ratio = double(setup.outRate) / m_inRate;
        m_converted.resize((size_t(std::ceil(kBlock * ratio)) + 4096) * setup.outChans);
    }
    addMarker(0, m_channel->position());
}

uint64_t PlaySlot::outToChannel(uint64_t outFrames) const {
    return m_inRate == m_setup.outRate ? outFrames : outFrames * m_inRate / m_setup.outRate;
}

uint64_t PlaySlot::channelToOut(uint64_t channelFrames) const {
    return m_inRate == m_setup.outRate ? channelFrames : channelFrames * m_setup.outRate / m_inRate;
}

void PlaySlot::addMarker(uint64_t counter, uint64_t position) {
    std::lock_guard lock(m_markerMutex);
    m_markers[m_markerCount % kMarkers] = Marker{m_markerCount, counter, position};
    ++m_markerCount;
}

std::vector<PlaySlot::Marker> PlaySlot::markers() const {
    std::vector<Marker> kept;
    std::lock_guard lock(m_markerMutex);
    const uint64_t first = m_markerCount > kMarkers ? m_markerCount - kMarkers : 0;
    for (uint64_t serial = first; serial < m_markerCount; ++serial)
        kept.push_back(m_markers[serial % kMarkers]);
    return kept;
}

void PlaySlot::shape(uint32_t frames) {
    const float volume = m_channel->volume();
    const float pan = m_channel->pan();
    const uint32_t outChans = m_setup.outChans;
    float gains[2] = {volume, volume};
    if (outChans >= 2) {
        gains[0] *= std::min(1.0f, 1.0f - pan);
        gains[1] *= std::min(1.0f, 1.0f + pan);
    }
    for (uint32_t f = 0; f < frames; ++f) {
        const float* in = &m_pulled[size_t{f} * m_inChans];
        float* out = &m_shaped[size_t{f} * outChans];
        for (uint32_t k = 0; k < outChans; ++k) {
            const float sample = m_inChans == 1 ? in[0] : k < m_inChans ? in[k] : 0.0f;
            out[k] = sample * gains[k & 1];
        }
    }
}

void PlaySlot::write(const float* data, uint32_t frames) {
    const uint32_t chans = m_setup.outChans;
    uint64_t at = m_written.load(std::memory_order_relaxed);
    const uint64_t start = at;
    for (uint32_t done = 0; done < frames;) {
        const uint32_t index = static_cast<uint32_t>(at % m_capacity);
        const uint32_t run = std::min(frames - done, m_capacity - index);
        std::copy_n(data + size_t{done} * chans, size_t{run} * chans,
                    &m_ring[size_t{index} * chans]);
        done += run;
        at += run;
    }
    for (uint32_t from = 0; from < frames; from += kLevelEntryFrames) {
        const uint32_t to = std::min(frames, from + kLevelEntryFrames);
        float left = 0, right = 0;
        peaksOf(data + size_t{from} * chans, to - from, chans, &left, &right);
        m_levels.push(start + from, start + to, 0, left, right);
    }
    m_written.store(at, std::memory_order_release);
}

void PlaySlot::fill() {
    NoAllocationScope mixing;
    const uint32_t outChans = m_setup.outChans;
    while (!m_producedEnd.load()) {
        const uint64_t written = m_written.load(std::memory_order_relaxed);
        const uint64_t space = m_capacity - (written - m_read.load(std::memory_order_acquire));
        if (m_pendingFrames > 0) {
            const uint32_t n = static_cast<uint32_t>(std::min<uint64_t>(m_pendingFrames, space));
            if (n == 0)
                return;
            write(&m_converted[size_t{m_pendingAt} * outChans], n);
            m_pendingAt += n;
            m_pendingFrames -= n;
            continue;
        }
        if (m_draining) {
            size_t used = 0;
            const size_t n = m_resampler
                                 ? m_resampler->process(nullptr, 0, &used, m_converted.data(),
                                                        m_converted.size() / outChans)
                                 : 0;
            if (n > 0) {
                m_pendingAt = 0;
                m_pendingFrames = static_cast<uint32_t>(n);
                continue;
            }
            m_endCounter.store(written);
            m_producedEnd.store(true);
            return;
        }
        if (space < kMinRoom)
            return;
        const uint32_t want =
            m_resampler ? kBlock : static_cast<uint32_t>(std::min<uint64_t>(space, kBlock));
        if (!m_channel->channelLock().tryLock())
            return; // another thread changes the channel: next round
        PositionJumps jumps;
        const uint32_t got = m_channel->pull(m_pulled.data(), want, &jumps);
        const bool ended = got < want && m_channel->ended();
        m_channel->channelLock().unlock();
        for (uint32_t i = 0; i < jumps.count; ++i)
            addMarker(written + channelToOut(jumps.jumps[i].offset), jumps.jumps[i].position);
        if (got > 0) {
            shape(got);
            if (m_resampler) {
                size_t used = 0;
                m_pendingAt = 0;
                m_pendingFrames = static_cast<uint32_t>(
                    m_resampler->process(m_shaped.data(), got, &used, m_converted.data(),
                                         m_converted.size() / outChans));
            } else {
                write(m_shaped.data(), got);
            }
        }
        m_stalled.store(got < want && !ended);
        if (ended)
            m_draining = true;
        else if (got < want)
            return;
    }
}

void PlaySlot::mixInto(float* out, uint32_t frames) {
    m_passed.fetch_add(frames, std::memory_order_relaxed);
    if (m_paused.load())
        return;
    const uint32_t chans = m_setup.outChans;
    uint64_t at = m_read.load(std::memory_order_relaxed);
    const uint64_t available = m_written.load(std::memory_order_acquire) - at;
    const uint32_t n = static_cast<uint32_t>(std::min<uint64_t>(available, frames));
    for (uint32_t done = 0; done < n;) {
        const uint32_t index = static_cast<uint32_t>(at % m_capacity);
        const uint32_t run = std::min(n - done, m_capacity - index);
        const float* from = &m_ring[size_t{index} * chans];
        float* to = out + size_t{done} * chans;
        for (size_t i = 0; i < size_t{run} * chans; ++i)
            to[i] += from[i];
        done += run;
        at += run;
    }
    m_read.store(at, std::memory_order_release);
}

void PlaySlot::consumeByClock(Clock::time_point now) {
    const uint64_t read = m_read.load(std::memory_order_relaxed);
    if (!m_clockStarted || m_paused.load()) {
        m_clockStarted = true;
        m_clockStart = now;
        m_clockBase = read;
        return;
    }
    const double elapsed = std::chrono::duration<double>(now - m_clockStart).count();
    const uint64_t target = m_clockBase + static_cast<uint64_t>(elapsed * m_setup.outRate);
    const uint64_t written = m_written.load(std::memory_order_acquire);
    if (target <= written) {
        m_read.store(std::max(read, target), std::memory_order_release);
        return;
    }
    // Nothing to hear for a while (stalled or late): the time passed is not owed later.
    m_read.store(written, std::memory_order_release);
    m_clockStart = now;
    m_clockBase = written;
}

bool PlaySlot::stalled() const {
    return m_stalled.load() &&
           m_read.load(std::memory_order_acquire) >= m_written.load(std::memory_order_acquire);
}

bool PlaySlot::finished() const {
    return m_producedEnd.load() && heardCounter() >= m_endCounter.load();
}

uint64_t PlaySlot::heardCounter() const {
    const uint64_t read = m_read.load(std::memory_order_acquire);
    if (m_setup.latencyFrames == 0)
        return read;
    const uint64_t passed = m_passed.load(std::memory_order_relaxed);
    return std::min(read, passed - std::min<uint64_t>(passed, m_setup.latencyFrames));
}

uint64_t PlaySlot::heardPosition() const {
    const uint64_t read = heardCounter();
    const std::vector<Marker> kept = markers();
    const Marker* current = &kept.front();
    for (const Marker& marker : kept) {
        if (marker.counter <= read)
            current = &marker;
    }
    return current->position + outToChannel(read - std::min(read, current->counter));
}

uint64_t PlaySlot::heardChannelFrames() const {
    return m_producedAtStart + outToChannel(heardCounter());
}

uint32_t PlaySlot::levels() const {
    const uint64_t read = heardCounter();
    const uint64_t window = framesFor(m_setup.outRate, kLevelWindowMs);
    return m_levels.levelsBetween(read - std::min(read, window), read);
}

void PlaySlot::fireHeard(uint64_t from, bool fromInclusive, uint64_t to) {
    if (to < from || (to == from && !fromInclusive))
        return;
    for (const SyncCall& call : m_channel->syncs().heardBetween(from, fromInclusive, to)) {
        if (m_channel->freed())
            return;
        if (m_channel->syncs().contains(call.sync))
            call.proc(call.sync, m_channel->handle(), 0, call.user);
    }
}

void PlaySlot::runHeardSyncs() {
    const uint64_t read = heardCounter();
    const std::vector<Marker> kept = markers();
    bool inclusive = false;
    if (!m_heardStarted || m_heardSerial < kept.front().serial) {
        m_heardStarted = true;
        m_heardSerial = kept.front().serial;
        m_heardPos = kept.front().position;
        inclusive = true;
    }
    for (size_t i = 0; i < kept.size(); ++i) {
        const Marker& marker = kept[i];
        if (marker.serial < m_heardSerial || marker.counter > read)
            continue;
        const bool last = i + 1 == kept.size() || kept[i + 1].counter > read;
        const uint64_t until = last ? read : kept[i + 1].counter;
        const uint64_t end = marker.position + outToChannel(until - marker.counter);
        if (marker.serial == m_heardSerial) {
            fireHeard(m_heardPos, inclusive, end);
        } else {
            fireHeard(marker.position, true, end);
        }
        m_heardSerial = marker.serial;
        m_heardPos = end;
        inclusive = false;
    }
}

} // namespace gbxaudio
