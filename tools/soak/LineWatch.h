// Watches the heard position for a line that steps back.
#pragma once

#include "model/Units.h"

#include <optional>
#include <string>

// The heard position may step back only where the driver moved it, or where a looping mix
// wrapped: then it lands at most the time since the last reading past the range's start.
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

    // The driver rolled, settled or moved the range: the next reading may be anywhere.
    void Moved() { m_moved = true; }
    // False, with Fault() saying where, when the reading stepped back.
    bool Read(const Reading& reading);

    const std::string& Fault() const { return m_fault; }
    long Readings() const { return m_readings; }
    long Wraps() const { return m_wraps; }

private:
    std::optional<Elements> m_last;
    bool m_moved = false;
    long m_readings = 0;
    long m_wraps = 0;
    std::string m_fault;
};
