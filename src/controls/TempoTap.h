// Measuring a tempo from clicks on the watch: the average of the tempos between clicks.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

// UI thread only; the times come from the caller's clock.
class TempoTap {
public:
    using Clock = std::chrono::steady_clock;

    // Tempos below this restart the measurement.
    static constexpr double kSlowest = 20;
    // A tempo further than this share of the average from it restarts the measurement.
    static constexpr double kAllowedDeviation = 0.3;
    // Closer clicks are bounces of one click, not a tempo.
    static constexpr std::chrono::milliseconds kShortestInterval{50};

    // Forgets the clicks and the average.
    void Clear();
    // A click at a time; the rounded average, bounded by [lowest, highest], once two clicks
    // gave a tempo, else none.
    std::optional<int32_t> Click(Clock::time_point at, int32_t lowest, int32_t highest);

private:
    std::optional<Clock::time_point> m_previous;
    double m_sum = 0;
    int m_count = 0;
};
