// Peaks and positions of recently produced blocks, for levels and positions as heard.
#pragma once

#include "LevelWord.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <memory>

namespace gbxaudio {

// One writer (the producing thread), any number of readers; lock-free. A reader racing with the
// writer over the same entry may see a mixed entry: a meter reading, never a fault.
class LevelTrail {
public:
    explicit LevelTrail(uint32_t capacity)
        : m_capacity(std::max<uint32_t>(capacity, 4)), m_entries(new Entry[m_capacity]) {}

    // Writer: a block covering counters [start, end) whose data ends at `position`.
    void push(uint64_t start, uint64_t end, uint64_t position, float left, float right) {
        const uint64_t n = m_count.load(std::memory_order_relaxed);
        Entry& e = m_entries[n % m_capacity];
        e.start.store(start, std::memory_order_relaxed);
        e.end.store(end, std::memory_order_relaxed);
        e.position.store(position, std::memory_order_relaxed);
        e.levels.store(packLevels(left, right), std::memory_order_relaxed);
        m_count.store(n + 1, std::memory_order_release);
    }

    // Highest peaks of the blocks overlapping [from, to).
    uint32_t levelsBetween(uint64_t from, uint64_t to) const {
        float left = 0, right = 0;
        forRecent([&](const Entry& e) {
            if (e.end.load(std::memory_order_relaxed) <= from)
                return false;
            if (e.start.load(std::memory_order_relaxed) < to) {
                const uint32_t word = e.levels.load(std::memory_order_relaxed);
                left = std::max(left, unpackLeft(word));
                right = std::max(right, unpackRight(word));
            }
            return true;
        });
        return packLevels(left, right);
    }

    // The position at the end of the newest block ending at or before `counter`; `fallback`
    // when none is kept.
    uint64_t positionAt(uint64_t counter, uint64_t fallback) const {
        uint64_t position = fallback;
        forRecent([&](const Entry& e) {
            if (e.end.load(std::memory_order_relaxed) <= counter) {
                position = e.position.load(std::memory_order_relaxed);
                return false;
            }
            return true;
        });
        return position;
    }

private:
    struct Entry {
        std::atomic<uint64_t> start{0};
        std::atomic<uint64_t> end{0};
        std::atomic<uint64_t> position{0};
        std::atomic<uint32_t> levels{0};
    };

    // Visits entries from the newest back while `visit` returns true.
    template <class Visit> void forRecent(Visit visit) const {
        const uint64_t n = m_count.load(std::memory_order_acquire);
        const uint64_t kept = std::min<uint64_t>(n, m_capacity - 1); // the oldest may be rewritten
        for (uint64_t i = 0; i < kept; ++i) {
            if (!visit(m_entries[(n - 1 - i) % m_capacity]))
                return;
        }
    }

    const uint32_t m_capacity;
    std::unique_ptr<Entry[]> m_entries;
    std::atomic<uint64_t> m_count{0};
};

} // namespace gbxaudio
