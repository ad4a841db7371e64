// A source's volume envelope, in frames counted from its entry into the mix.
#pragma once

#include <cstdint>
#include <vector>

namespace gbxaudio {

// Linear between nodes; the first value holds before the first node and the last after the
// last. Touched under the mixer's lock.
class Envelope {
public:
    struct Node {
        uint64_t frame;
        float value;
    };
    // One linear stretch: the value at its first frame, the change per frame, its length.
    struct Piece {
        float value;
        float slope;
        uint64_t frames; // UINT64_MAX: to the end
    };

    // Nodes in order of frame; an empty list removes the envelope.
    void set(std::vector<Node> nodes) { m_nodes = std::move(nodes); }
    bool empty() const { return m_nodes.empty(); }
    Piece pieceAt(uint64_t frame) const;

private:
    std::vector<Node> m_nodes;
};

} // namespace gbxaudio
