#include "ChannelWatch.h"

#include <algorithm>

bool ChannelWatch::AtRest(int64_t alive) {
    ++m_rests;
    m_last = alive;
    m_most = std::max(m_most, alive);
    if (!m_baseline)
        m_baseline = alive;
    if (alive <= *m_baseline)
        return true;
    m_fault = "rest " + std::to_string(m_rests) + " holds " + std::to_string(alive) +
              " engine channels, the first held " + std::to_string(*m_baseline);
    return false;
}

void ChannelWatch::WhileRolling(int64_t alive) {
    m_most = std::max(m_most, alive);
}
