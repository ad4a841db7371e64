#include "Mixer.h"

#include "MixKernels.h"
#include "SourceGains.h"
#include "gbxaudio.h"

#include <algorithm>
#include <cmath>

namespace gbxaudio {

namespace {

// Frames fetched from a source per step; the scratch holds this many of the widest source.
constexpr uint32_t kFetchFrames = 2048;
// Source channels whose peaks are followed for levels as heard.
constexpr uint32_t kMeteredChans = 8;

bool startsLater(const MixSource* a, const MixSource* b) {
    return a->startClock() > b->startClock();
}

template <class T> void reserveAtLeast(std::vector<T>& list, size_t count) {
    if (list.capacity() < count)
        list.reserve(std::max(count, 2 * list.capacity()));
}

} // namespace

Mixer::Mixer(const AudioFormat& format, uint32_t flags, uint32_t bufferMs)
    : m_format(format), m_flags(flags), m_trailEntries(bufferMs / 10 + 16),
      m_ended((flags & BASS_MIXER_END) != 0) {
    m_scratch.resize(size_t{kFetchFrames} * 2);
    m_gains.resize(size_t{format.chans} * 2);
}

Mixer::~Mixer() {
    m_sources.forEach([this](Handle, std::unique_ptr<MixSource>& source) {
        source->channel().detachFromMixer(m_handle);
    });
}

void Mixer::bind(HostChannel& channel) {
    m_channel = &channel;
    m_handle = channel.handle();
}

bool Mixer::ended() const {
    return m_ended.load();
}

int Mixer::add(std::shared_ptr<HostChannel> source, uint32_t flags, uint64_t delay,
               uint64_t length) {
    if (source.get() == m_channel)
        return BASS_ERROR_ILLPARAM;
    if (!source->isDecoding())
        return BASS_ERROR_DECODE;
    if (!source->attachToMixer(m_handle))
        return BASS_ERROR_ALREADY;
    std::unique_ptr<MixSource> record;
    try {
        record = std::make_unique<MixSource>(source, m_format, flags, m_clock + delay, length,
                                             m_trailEntries);
        const size_t inChans = record->inChans();
        if (m_scratch.size() < kFetchFrames * inChans)
            m_scratch.resize(kFetchFrames * inChans);
        if (m_gains.size() < m_format.chans * inChans)
            m_gains.resize(m_format.chans * inChans);
        // Room for every source to sound at once, so that admitting one never allocates;
        // grown geometrically, so that adding many sources stays linear.
        reserveAtLeast(m_sounding, m_sources.size() + 1);
        reserveAtLeast(m_waiting, m_waiting.size() + 1);
        auto& slot = m_sources[source->handle()];
        if (slot)
            m_retired.push_back(std::move(slot)); // the same stream added again after a stop
        slot = std::move(record);
        m_waiting.push_back(slot.get());
        std::push_heap(m_waiting.begin(), m_waiting.end(), startsLater);
        m_ended.store(false);
    } catch (...) {
        source->detachFromMixer(m_handle);
        throw;
    }
    if (!m_producing && m_sources.size() >= m_sweepAt)
        sweep();
    return BASS_OK;
}

MixSource* Mixer::find(Handle source) {
    const std::unique_ptr<MixSource>* found = m_sources.find(source);
    return found ? found->get() : nullptr;
}

void Mixer::drop(MixSource& source) {
    source.finish();
    source.channel().detachFromMixer(m_handle);
}

void Mixer::admit(uint64_t blockEnd) {
    while (!m_waiting.empty() && m_waiting.front()->startClock() < blockEnd) {
        std::pop_heap(m_waiting.begin(), m_waiting.end(), startsLater);
        MixSource* source = m_waiting.back();
        m_waiting.pop_back();
        if (source->channel().gone())
            drop(*source);
        else
            m_sounding.push_back(source);
    }
}

bool Mixer::liveWaiting() {
    const auto gone = [this](MixSource* source) {
        if (!source->channel().gone())
            return false;
        drop(*source);
        return true;
    };
    const auto kept = std::remove_if(m_waiting.begin(), m_waiting.end(), gone);
    if (kept != m_waiting.end()) {
        m_waiting.erase(kept, m_waiting.end());
        std::make_heap(m_waiting.begin(), m_waiting.end(), startsLater);
    }
    return !m_waiting.empty();
}

uint32_t Mixer::produce(float* out, uint32_t frames) {
    m_producing = true;
    std::fill_n(out, size_t{frames} * m_format.chans, 0.0f);
    const uint64_t blockStart = m_clock;
    admit(blockStart + frames);
    uint32_t furthest = 0;
    // By index: a source's sync procedure may add sources (to the waiting heap) meanwhile.
    for (size_t i = 0; i < m_sounding.size(); ++i) {
        MixSource& source = *m_sounding[i];
        if (source.channel().gone()) {
            drop(source);
            continue;
        }
        const uint32_t from =
            static_cast<uint32_t>(std::max(source.startClock(), blockStart) - blockStart);
        furthest = std::max(furthest, mixSource(source, out, from, frames, blockStart));
    }
    m_sounding.erase(std::remove_if(m_sounding.begin(), m_sounding.end(),
                                    [](MixSource* source) { return source->finished(); }),
                     m_sounding.end());
    uint32_t produced = frames;
    if (!(m_flags & BASS_MIXER_NONSTOP) && m_sounding.empty() && !liveWaiting())
        produced = furthest; // ends (or stalls) where the last source stopped
    m_clock = blockStart + produced;
    m_ended.store((m_flags & BASS_MIXER_END) && m_sounding.empty() && m_waiting.empty());
    m_producing = false;
    return produced;
}

uint32_t Mixer::mixSource(MixSource& source, float* out, uint32_t from, uint32_t frames,
                          uint64_t blockStart) {
    const uint32_t outChans = m_format.chans;
    const uint32_t inChans = source.inChans();
    computeGains(source.matrix(), source.defaultGains(), source.usesMatrix(),
                 source.channel().volume(), source.channel().pan(), inChans, outChans,
                 m_gains.data());
    LevelTrail* trail = source.trail();
    float peaks[kMeteredChans] = {};
    uint32_t at = from;
    while (at < frames) {
        const Envelope::Piece piece = source.envelope().pieceAt(source.mixedFrames());
        const uint64_t want = std::min<uint64_t>(
            {frames - at, source.lengthLeft(), piece.frames, uint64_t{kFetchFrames}});
        if (want == 0)
            break;
        const float* data = nullptr;
        const uint32_t got = source.fetch(m_scratch.data(), static_cast<uint32_t>(want), &data);
        if (got == 0) {
            if (source.channel().producer().ended())
                source.finish();
            break;
        }
        addFrames(out + size_t{at} * outChans, outChans, data, inChans, got, m_gains.data(),
                  piece.value, piece.slope);
        if (trail)
            raisePeaks(data, inChans, got, kMeteredChans, peaks);
        source.noteMixed(got);
        at += got;
    }
    if (source.lengthLeft() == 0) {
        source.finish();
    } else if (at == frames && source.atEnd()) {
        source.finish(); // known now, so that the mixer can end with this block
    }
    if (trail && at > from) {
        float level[2] = {0, 0};
        for (uint32_t o = 0; o < std::min(outChans, 2u); ++o) {
            for (uint32_t c = 0; c < std::min(inChans, kMeteredChans); ++c)
                level[o] += std::fabs(m_gains[size_t{o} * inChans + c]) * peaks[c];
        }
        trail->push(blockStart + from, blockStart + at, source.channel().position(), level[0],
                    outChans > 1 ? level[1] : level[0]);
    }
    return source.finished() ? at : frames;
}

void Mixer::sweep() {
    m_sources.retain([](Handle, const std::unique_ptr<MixSource>& source) {
        return !(source->finished() && source->channel().gone());
    });
    m_retired.clear();
    m_sweepAt = std::max<size_t>(64, m_sources.size() * 2);
}

} // namespace gbxaudio
