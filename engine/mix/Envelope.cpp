#include "Envelope.h"

#include <algorithm>

namespace gbxaudio {

Envelope::Piece Envelope::pieceAt(uint64_t frame) const {
    if (m_nodes.empty())
        return Piece{1.0f, 0.0f, UINT64_MAX};
    // The first node after `frame`; nodes at the same frame make a step to the last of them.
    auto next = std::upper_bound(m_nodes.begin(), m_nodes.end(), frame,
                                 [](uint64_t f, const Node& node) { return f < node.frame; });
    if (next == m_nodes.begin())
        return Piece{next->value, 0.0f, next->frame - frame};
    const Node& from = *(next - 1);
    if (next == m_nodes.end())
        return Piece{from.value, 0.0f, UINT64_MAX};
    const float slope = (next->value - from.value) / static_cast<float>(next->frame - from.frame);
    return Piece{from.value + slope * static_cast<float>(frame - from.frame), slope,
                 next->frame - frame};
}

} // namespace gbxaudio
