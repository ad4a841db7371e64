// The syncs set on one channel, ordered by position, and which of them are due.
#pragma once

#include "EngineHost.h"
#include "gbxaudio.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace gbxaudio {

struct SyncCall {
    Handle sync = 0;
    SYNCPROC* proc = nullptr;
    void* user = nullptr;
};

// Production syncs run when the channel's data is produced (mix-time syncs, and every sync of a
// decoding channel); heard syncs run on the sync thread when the heard position reaches them.
// Thread-safe; its lock is a leaf (nothing is called while it is held).
class SyncList {
public:
    enum class When : uint8_t { Production, Heard };
    enum class Kind : uint8_t { Position, End };

    Handle add(When when, Kind kind, uint64_t frame, SYNCPROC* proc, void* user);
    bool remove(Handle sync);
    bool contains(Handle sync) const;
    void clear();

    // Production syncs due at `position` (END syncs too when `atEnd`) that have not run during
    // `visit` (the channel's count of frames produced); marks them run. Mixing thread: no
    // allocation, at most `capacity` per call.
    size_t takeDue(uint64_t position, bool atEnd, uint64_t visit, SyncCall* out, size_t capacity);
    // Whether takeDue would take anything.
    bool anyDue(uint64_t position, bool atEnd, uint64_t visit) const;
    // The first position at or after `position` where a production sync still has to run
    // during `visit`; UINT64_MAX when none.
    uint64_t nextStop(uint64_t position, uint64_t visit) const;

    // Heard position syncs in (from, to], or [from, to] when `fromInclusive`. Sync thread.
    std::vector<SyncCall> heardBetween(uint64_t from, bool fromInclusive, uint64_t to) const;
    std::vector<SyncCall> heardEnd() const;

private:
    struct Entry {
        Handle handle = 0;
        SYNCPROC* proc = nullptr;
        void* user = nullptr;
        uint64_t lastVisit = UINT64_MAX;
    };
    struct Place {
        When when;
        Kind kind;
        uint64_t frame;
    };
    using PositionMap = std::multimap<uint64_t, Entry>;

    PositionMap& positions(When when) { return when == When::Production ? m_production : m_heard; }
    std::vector<Entry>& ends(When when) {
        return when == When::Production ? m_productionEnd : m_heardEnd;
    }

    mutable std::mutex m_mutex;
    PositionMap m_production;
    PositionMap m_heard;
    std::vector<Entry> m_productionEnd;
    std::vector<Entry> m_heardEnd;
    std::unordered_map<Handle, Place> m_places;
};

} // namespace gbxaudio
