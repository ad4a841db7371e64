#include "MixSource.h"

#include "SourceGains.h"
#include "gbxaudio.h"

#include <algorithm>
#include <cstring>

namespace gbxaudio {

namespace {
// Input frames read from a stream per refill of its converter.
constexpr uint32_t kConverterInput = 1024;
} // namespace

MixSource::MixSource(std::shared_ptr<HostChannel> channel, const AudioFormat& mixFormat,
                     uint32_t flags, uint64_t startClock, uint64_t lengthFrames,
                     uint32_t trailEntries)
    : m_channel(std::move(channel)), m_flags(flags), m_inChans(m_channel->format().chans),
      m_startClock(startClock), m_length(lengthFrames), m_positionAtAdd(m_channel->position()),
      m_default(defaultMatrix(m_inChans, mixFormat.chans)) {
    if (flags & BASS_MIXER_MATRIX)
        m_matrix = m_default;
    if (flags & BASS_MIXER_BUFFER)
        m_trail = std::make_unique<LevelTrail>(trailEntries);
    const uint32_t rate = m_channel->format().rate;
    if (rate != mixFormat.rate) {
        m_resampler = std::make_unique<Resampler>(rate, mixFormat.rate, m_inChans);
        m_input.resize(size_t{kConverterInput} * m_inChans);
    }
}

uint64_t MixSource::lengthLeft() const {
    return m_length == UINT64_MAX ? UINT64_MAX : m_length - std::min(m_length, m_mixed);
}

bool MixSource::usesMatrix() const {
    return (m_flags & BASS_MIXER_MATRIX) != 0;
}

uint32_t MixSource::fetch(float* scratch, uint32_t frames, const float** data) {
    if (!m_resampler)
        return m_channel->read(scratch, frames, data);
    *data = scratch;
    return fetchConverted(scratch, frames);
}

bool MixSource::atEnd() {
    if (m_resampler || !m_channel->producer().ended())
        return false;
    m_channel->runDueSyncs();
    return m_channel->producer().ended();
}

uint32_t MixSource::fetchConverted(float* scratch, uint32_t frames) {
    uint32_t produced = 0;
    while (produced < frames) {
        if (m_inputAt == m_inputHave && !m_inputEnded) {
            const float* in = nullptr;
            const uint32_t got = m_channel->read(m_input.data(), kConverterInput, &in);
            if (got == 0) {
                if (!m_channel->producer().ended())
                    break; // stalled: nothing now, try again next block
                m_inputEnded = true;
            } else if (in != m_input.data()) {
                std::memcpy(m_input.data(), in, size_t{got} * m_inChans * sizeof(float));
            }
            m_inputAt = 0;
            m_inputHave = got;
        }
        const bool draining = m_inputEnded && m_inputAt == m_inputHave;
        size_t used = 0;
        const size_t out = m_resampler->process(
            draining ? nullptr : &m_input[size_t{m_inputAt} * m_inChans], m_inputHave - m_inputAt,
            &used, scratch + size_t{produced} * m_inChans, frames - produced);
        m_inputAt += static_cast<uint32_t>(used);
        produced += static_cast<uint32_t>(out);
        if (out == 0 && (draining || used == 0))
            break;
    }
    return produced;
}

} // namespace gbxaudio
