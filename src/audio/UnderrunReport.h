// Underruns of the sound device, as the report shows them: one line for each burst.
#pragma once

#include <cstdint>

// UI thread only.
class UnderrunReport {
public:
    // `count`: the engine's underrun count now, read at every tick of a steady timer. A burst
    // ends at the first tick without new underruns and is then reported as one line with its
    // count. A count lower than the last starts over (the output was opened again).
    void Tick(uint64_t count);

private:
    uint64_t m_last = 0;
    uint64_t m_burst = 0;
};
