// The program's stopwatch for timing file operations and renders.
#pragma once

#include <cstdint>

class TGenericStopwatch {
public:
    // Ticks per second of Read().
    int64_t Frequency() const { return m_frequency; }

    int64_t Read() const;
    // Milliseconds since mark; mark becomes now.
    int64_t Elapsed(int64_t& mark) const;

private:
    int64_t m_frequency = 1'000'000'000;
};
