#include "audio/UnheardWraps.h"

void UnheardWraps::Add(int64_t from, int64_t origin) {
    if (m_count == kCapacity) {
        m_left = at(0);
        m_first = (m_first + 1) % kCapacity;
        --m_count;
    }
    m_wraps[(m_first + m_count) % kCapacity] = Wrap{from, origin};
    ++m_count;
}

int64_t UnheardWraps::OriginAt(int64_t byte, int64_t heard) const {
    int64_t origin = m_left && m_left->from <= byte ? m_left->origin : heard;
    for (size_t i = 0; i < m_count && at(i).from <= byte; ++i)
        origin = at(i).origin;
    return origin;
}

std::optional<int64_t> UnheardWraps::TakeHeard(int64_t byte) {
    std::optional<int64_t> origin;
    if (m_left && m_left->from <= byte) {
        origin = m_left->origin;
        m_left.reset();
    }
    while (m_count > 0 && at(0).from <= byte) {
        origin = at(0).origin;
        m_first = (m_first + 1) % kCapacity;
        --m_count;
    }
    return origin;
}
