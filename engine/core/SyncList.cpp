#include "SyncList.h"

#include "Handles.h"

#include <algorithm>

namespace gbxaudio {

Handle SyncList::add(When when, Kind kind, uint64_t frame, SYNCPROC* proc, void* user) {
    Entry entry{newHandle(), proc, user};
    std::lock_guard lock(m_mutex);
    if (kind == Kind::End)
        ends(when).push_back(entry);
    else
        positions(when).emplace(frame, entry);
    m_places.emplace(entry.handle, Place{when, kind, frame});
    return entry.handle;
}

bool SyncList::remove(Handle sync) {
    std::lock_guard lock(m_mutex);
    auto place = m_places.find(sync);
    if (place == m_places.end())
        return false;
    const Place where = place->second;
    m_places.erase(place);
    if (where.kind == Kind::End) {
        auto& list = ends(where.when);
        list.erase(std::find_if(list.begin(), list.end(),
                                [sync](const Entry& e) { return e.handle == sync; }));
        return true;
    }
    auto [first, last] = positions(where.when).equal_range(where.frame);
    for (auto it = first; it != last; ++it) {
        if (it->second.handle == sync) {
            positions(where.when).erase(it);
            break;
        }
    }
    return true;
}

bool SyncList::contains(Handle sync) const {
    std::lock_guard lock(m_mutex);
    return m_places.count(sync) != 0;
}

void SyncList::clear() {
    std::lock_guard lock(m_mutex);
    m_production.clear();
    m_heard.clear();
    m_productionEnd.clear();
    m_heardEnd.clear();
    m_places.clear();
}

size_t SyncList::takeDue(uint64_t position, bool atEnd, uint64_t visit, SyncCall* out,
                         size_t capacity) {
    std::lock_guard lock(m_mutex);
    size_t count = 0;
    auto take = [&](Entry& entry) {
        if (count < capacity && entry.lastVisit != visit) {
            entry.lastVisit = visit;
            out[count++] = SyncCall{entry.handle, entry.proc, entry.user};
        }
    };
    auto [first, last] = m_production.equal_range(position);
    for (auto it = first; it != last; ++it)
        take(it->second);
    if (atEnd) {
        for (Entry& entry : m_productionEnd)
            take(entry);
    }
    return count;
}

bool SyncList::anyDue(uint64_t position, bool atEnd, uint64_t visit) const {
    std::lock_guard lock(m_mutex);
    auto notRun = [visit](const Entry& entry) { return entry.lastVisit != visit; };
    auto [first, last] = m_production.equal_range(position);
    for (auto it = first; it != last; ++it) {
        if (notRun(it->second))
            return true;
    }
    return atEnd && std::any_of(m_productionEnd.begin(), m_productionEnd.end(), notRun);
}

uint64_t SyncList::nextStop(uint64_t position, uint64_t visit) const {
    std::lock_guard lock(m_mutex);
    for (auto it = m_production.lower_bound(position); it != m_production.end(); ++it) {
        if (it->first != position || it->second.lastVisit != visit)
            return it->first;
    }
    return UINT64_MAX;
}

std::vector<SyncCall> SyncList::heardBetween(uint64_t from, bool fromInclusive, uint64_t to) const {
    std::vector<SyncCall> calls;
    std::lock_guard lock(m_mutex);
    auto it = fromInclusive ? m_heard.lower_bound(from) : m_heard.upper_bound(from);
    for (; it != m_heard.end() && it->first <= to; ++it)
        calls.push_back(SyncCall{it->second.handle, it->second.proc, it->second.user});
    return calls;
}

std::vector<SyncCall> SyncList::heardEnd() const {
    std::vector<SyncCall> calls;
    std::lock_guard lock(m_mutex);
    for (const Entry& entry : m_heardEnd)
        calls.push_back(SyncCall{entry.handle, entry.proc, entry.user});
    return calls;
}

} // namespace gbxaudio
