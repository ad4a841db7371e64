#include "FileCursor.h"

#include "LevelWord.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace gbxaudio {

FileCursor::FileCursor(std::shared_ptr<const DecodedAudio> audio)
    : m_audio(std::move(audio)), m_frames(m_audio->frames()) {}

uint32_t FileCursor::produce(float* out, uint32_t frames) {
    uint32_t taken = 0;
    const float* data = take(frames, &taken);
    std::memcpy(out, data, size_t{taken} * m_audio->chans * sizeof(float));
    return taken;
}

const float* FileCursor::take(uint32_t frames, uint32_t* taken) {
    const uint64_t at = m_at.load();
    *taken = static_cast<uint32_t>(std::min<uint64_t>(frames, m_frames - std::min(at, m_frames)));
    m_at.store(at + *taken);
    return m_audio->samples.data() + at * m_audio->chans;
}

bool FileCursor::ended() const {
    return m_at.load() >= m_frames;
}

bool FileCursor::seek(uint64_t frame) {
    if (frame > m_frames)
        return false;
    m_at.store(frame);
    return true;
}

bool FileCursor::recentPeaks(uint32_t frames, float* left, float* right) const {
    const uint64_t end = std::min(m_at.load(), m_frames);
    const uint64_t begin = end - std::min<uint64_t>(end, frames);
    const uint32_t chans = m_audio->chans;
    const float* data = m_audio->samples.data();
    *left = 0;
    *right = 0;
    peaksOf(data + begin * chans, static_cast<uint32_t>(end - begin), chans, left, right);
    return true;
}

} // namespace gbxaudio
