// Values by handle in one flat array: a look-up touches one slot, not a bucket and a node. The
// meters look up hundreds of channels every tick, from a cache the mixing thread keeps evicting.
#pragma once

#include "EngineHost.h"

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace gbxaudio {

// Open addressing with linear probing, at most half full; removal shifts later entries back, so
// there are no tombstones. Handle 0 marks an empty slot and is never stored. Not thread-safe.
template <class Value> class HandleTable {
public:
    Value* find(Handle handle) {
        const size_t i = indexOf(handle);
        return i == kNone ? nullptr : &m_slots[i].value;
    }
    const Value* find(Handle handle) const { return const_cast<HandleTable*>(this)->find(handle); }

    // The value stored for the handle, made default first when there is none.
    Value& operator[](Handle handle) {
        if (Value* found = find(handle))
            return *found;
        if (2 * (m_count + 1) > m_slots.size())
            grow();
        size_t i = home(handle);
        while (m_slots[i].handle != 0)
            i = next(i);
        m_slots[i].handle = handle;
        ++m_count;
        return m_slots[i].value;
    }

    // Takes the handle's value out; a default value when there is none.
    Value take(Handle handle) {
        const size_t i = indexOf(handle);
        if (i == kNone)
            return Value{};
        Value taken = std::move(m_slots[i].value);
        erase(i);
        return taken;
    }

    // Removes the entries for which keep(handle, value) is false.
    template <class Keep> void retain(Keep keep) {
        for (size_t i = 0; i < m_slots.size();) {
            if (m_slots[i].handle != 0 && !keep(m_slots[i].handle, m_slots[i].value))
                erase(i); // a later entry may have moved into slot i: look at it again
            else
                ++i;
        }
    }

    template <class Visit> void forEach(Visit visit) {
        for (Slot& slot : m_slots)
            if (slot.handle != 0)
                visit(slot.handle, slot.value);
    }

    // Every value, the table left empty.
    std::vector<Value> takeAll() {
        std::vector<Value> all;
        all.reserve(m_count);
        forEach([&all](Handle, Value& value) { all.push_back(std::move(value)); });
        m_slots.clear();
        m_count = 0;
        return all;
    }

    size_t size() const { return m_count; }

private:
    struct Slot {
        Handle handle = 0;
        Value value{};
    };
    static constexpr size_t kNone = SIZE_MAX;

    size_t indexOf(Handle handle) const {
        if (m_count == 0 || handle == 0)
            return kNone;
        for (size_t i = home(handle);; i = next(i)) {
            if (m_slots[i].handle == handle)
                return i;
            if (m_slots[i].handle == 0)
                return kNone;
        }
    }

    size_t home(Handle handle) const {
        // Fibonacci hashing: consecutive handles spread over the table.
        return static_cast<size_t>((uint64_t{handle} * 0x9E3779B97F4A7C15ull) >> 32) &
               (m_slots.size() - 1);
    }
    size_t next(size_t i) const { return (i + 1) & (m_slots.size() - 1); }

    void grow() {
        std::vector<Slot> old(std::max<size_t>(16, 2 * m_slots.size()));
        old.swap(m_slots);
        for (Slot& slot : old) {
            if (slot.handle == 0)
                continue;
            size_t i = home(slot.handle);
            while (m_slots[i].handle != 0)
                i = next(i);
            m_slots[i] = std::move(slot);
        }
    }

    // Empties slot `hole` and moves back the entries of the probe run behind it that may fill it.
    void erase(size_t hole) {
        for (size_t i = next(hole); m_slots[i].handle != 0; i = next(i)) {
            const size_t want = home(m_slots[i].handle);
            // The entry may move to the hole when its home is not cyclically in (hole, i].
            const bool homeInBetween =
                hole <= i ? (hole < want && want <= i) : (hole < want || want <= i);
            if (!homeInBetween) {
                m_slots[hole] = std::move(m_slots[i]);
                hole = i;
            }
        }
        m_slots[hole] = Slot{};
        --m_count;
    }

    std::vector<Slot> m_slots; // a power of two in size, or empty
    size_t m_count = 0;
};

} // namespace gbxaudio
