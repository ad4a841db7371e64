// Underruns of the sound device, as the report shows them: one line for each burst.
#pragma once

#include <cstdint>

// UI thread only.
class UnderrunReport {
public:
    // Ticks of quiet that end a burst, and the ticks after which a burst that goes on is
    // reported all the same (at 500 ms a tick: two seconds, one minute).
    static constexpr int kQuietTicks = 4;
    static constexpr int kLongestTicks = 120;

    // `count`: the engine's underrun count now, read at every tick of a steady timer. A burst
    // ends after kQuietTicks ticks without new underruns and is then one line with its count.
    // A lower count than the last (the engine was loaded again) starts from it.
    void Tick(uint64_t count);

private:
    void report();

    uint64_t m_last = 0;
    uint64_t m_burst = 0;
    int m_quiet = 0;
    int m_length = 0;
};
