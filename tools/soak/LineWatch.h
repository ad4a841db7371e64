// Watches the heard position for a line that steps back.
#pragma once

#include "model/Units.h"

#include <optional>
#include <string>

// The heard position may step back where a looping mix wrapped (then it lands at most the time
// since the last reading past the range's start), and once after each move the driver made:
// what was mixed before a move is heard for a while, and then the move itself.
class LineWatch {
public:
    // What the mix looked like at a reading.
    struct Reading {
        Elements position;
        Elements rangeStart;
        bool looping = false;
        // Since the reading before, as elements of play, with slack for a late tick.
        Elements elapsed;
    };

    // The driver rolled, settled or moved the range: one step back is excused.
    void Moved() { m_moveExcused = true; }
    // The move has been heard by now: an unused excuse lapses.
    void MoveHeard() { m_moveExcused = false; }
    // False, with Fault() saying where, when the reading stepped back.
    bool Read(const Reading& reading);

    const std::string& Fault() const { return m_fault; }
    long Readings() const { return m_readings; }
    long Wraps() const { return m_wraps; }

private:
    std::optional<Elements> m_last;
    bool m_moveExcused = false;
    long m_readings = 0;
    long m_wraps = 0;
    std::string m_fault;
};
