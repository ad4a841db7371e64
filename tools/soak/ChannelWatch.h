// Watches the engine's live channels at rest for a count that grows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// At rest (nothing rolls) the engine holds only what the program keeps open; the first rest
// sets that count, and no later rest may hold more.
class ChannelWatch {
public:
    // False, with Fault() saying by how much, when a rest holds more than the first.
    bool AtRest(int64_t alive);
    // Any moment: only for the summary.
    void WhileRolling(int64_t alive);

    const std::string& Fault() const { return m_fault; }
    std::optional<int64_t> Baseline() const { return m_baseline; }
    int64_t Last() const { return m_last; }
    int64_t Most() const { return m_most; }
    int Rests() const { return m_rests; }

private:
    std::optional<int64_t> m_baseline;
    int64_t m_last = 0;
    int64_t m_most = 0;
    int m_rests = 0;
    std::string m_fault;
};
