// The tap measurement.
#include "controls/TempoTap.h"

#include <algorithm>
#include <cmath>

void TempoTap::Clear() {
    m_previous.reset();
    m_sum = 0;
    m_count = 0;
}

std::optional<int32_t> TempoTap::Click(Clock::time_point at, int32_t lowest, int32_t highest) {
    if (!m_previous) {
        m_previous = at;
        return std::nullopt;
    }
    const std::chrono::duration<double, std::milli> interval = at - *m_previous;
    if (interval < kShortestInterval)
        return std::nullopt;
    m_previous = at;
    const double tempo = 60000 / interval.count();
    if (m_count > 0 && std::abs(tempo - m_sum / m_count) > kAllowedDeviation * (m_sum / m_count)) {
        m_sum = 0;
        m_count = 0;
    }
    if (tempo < kSlowest) {
        m_sum = 0;
        m_count = 0;
        return std::nullopt;
    }
    m_sum += tempo;
    ++m_count;
    const long average = std::lround(m_sum / m_count);
    return static_cast<int32_t>(std::clamp<long>(average, lowest, highest));
}
