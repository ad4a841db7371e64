// Watches the heard position for a line that steps back.
#pragma once

#include "model/Units.h"

#include <optional>
#include <string>

// A play range: [start, end).
struct PlayRange {
    Elements start;
    Elements end;
    bool operator==(const PlayRange&) const = default;
};

// The heard position may step back where a looping mix wrapped: from where the range's end was
// within reach since the reading before to a place in the range (how far in depends on how late
// the engine reports the wrap). And once after each move the driver made: what was mixed before
// a move is heard for a while, wraps of the earlier range included, and then the move itself.
class LineWatch {
public:
    // What the mix looked like at a reading.
    struct Reading {
        Elements position;
        PlayRange range;
        bool looping = false;
        // Since the reading before, as elements of play, with slack for a late tick.
        Elements elapsed;
    };

    // The driver rolled, settled or moved the range, which was `earlier` before: one step back
    // is excused, and wraps of the earlier range, which were mixed before the move.
    void Moved(PlayRange earlier) {
        m_moveExcused = true;
        m_earlier = earlier;
    }
    // The move has been heard by now: what it excused lapses.
    void MoveHeard() {
        m_moveExcused = false;
        m_earlier.reset();
    }
    // False, with Fault() saying where, when the reading stepped back.
    bool Read(const Reading& reading);

    const std::string& Fault() const { return m_fault; }
    long Readings() const { return m_readings; }
    long Wraps() const { return m_wraps; }

private:
    std::optional<Elements> m_last;
    bool m_moveExcused = false;
    std::optional<PlayRange> m_earlier;
    long m_readings = 0;
    long m_wraps = 0;
    std::string m_fault;
};
