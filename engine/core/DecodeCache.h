// Decoded files kept in memory, so that a stream of an already decoded file is only a cursor.
#pragma once

#include "DecodedAudio.h"

#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

namespace gbxaudio {

// What makes two requests the same decoded audio. A changed file (size or modification time)
// or another set of loaded plug-ins gives another key.
struct CacheKey {
    std::string path; // empty for memory blocks
    uint64_t offset = 0;
    uint64_t length = 0;
    int64_t modifiedNs = 0;
    uint64_t fileSize = 0;
    uint64_t contentHash = 0; // memory blocks
    uint64_t pluginGeneration = 0;

    bool operator==(const CacheKey&) const = default;
};

struct CacheKeyHash {
    size_t operator()(const CacheKey& key) const;
};

// Memory is bounded: an entry no stream holds is dropped, least recently used first, when a new
// one needs room; a new entry that does not fit even then is refused. Thread-safe.
class DecodeCache {
public:
    static constexpr uint64_t kDefaultLimit = 1024ull << 20;

    std::shared_ptr<const DecodedAudio> find(const CacheKey& key);
    // The entry to use for `key`: `audio`, or the one another thread added meanwhile; nullptr
    // when it does not fit.
    std::shared_ptr<const DecodedAudio> insert(const CacheKey& key,
                                               std::shared_ptr<const DecodedAudio> audio);
    void setLimit(uint64_t bytes);
    uint64_t limit() const;
    uint64_t usedBytes() const;

private:
    struct Entry {
        CacheKey key;
        std::shared_ptr<const DecodedAudio> audio;
        uint64_t bytes = 0;
    };
    using Lru = std::list<Entry>; // most recently used first

    // Drops unheld entries from the old end until `needed` more bytes fit; false if they do not.
    bool makeRoom(uint64_t needed);

    mutable std::mutex m_mutex;
    Lru m_lru;
    std::unordered_map<CacheKey, Lru::iterator, CacheKeyHash> m_index;
    uint64_t m_used = 0;
    uint64_t m_limit = kDefaultLimit;
};

} // namespace gbxaudio
