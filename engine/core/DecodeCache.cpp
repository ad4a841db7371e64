#include "DecodeCache.h"

#include <functional>

namespace gbxaudio {

size_t CacheKeyHash::operator()(const CacheKey& key) const {
    size_t h = std::hash<std::string>()(key.path);
    for (uint64_t part : {key.offset, key.length, static_cast<uint64_t>(key.modifiedNs),
                          key.fileSize, key.contentHash, key.pluginGeneration})
        h = (h ^ std::hash<uint64_t>()(part)) * 0x100000001b3ull;
    return h;
}

std::shared_ptr<const DecodedAudio> DecodeCache::find(const CacheKey& key) {
    std::lock_guard lock(m_mutex);
    auto found = m_index.find(key);
    if (found == m_index.end())
        return nullptr;
    m_lru.splice(m_lru.begin(), m_lru, found->second);
    return found->second->audio;
}

std::shared_ptr<const DecodedAudio> DecodeCache::insert(const CacheKey& key,
                                                        std::shared_ptr<const DecodedAudio> audio) {
    std::lock_guard lock(m_mutex);
    if (auto found = m_index.find(key); found != m_index.end())
        return found->second->audio;
    const uint64_t bytes = audio->memoryBytes();
    if (!makeRoom(bytes))
        return nullptr;
    m_lru.push_front(Entry{key, audio, bytes});
    m_index.emplace(key, m_lru.begin());
    m_used += bytes;
    return audio;
}

void DecodeCache::setLimit(uint64_t bytes) {
    std::lock_guard lock(m_mutex);
    m_limit = bytes;
    makeRoom(0);
}

uint64_t DecodeCache::limit() const {
    std::lock_guard lock(m_mutex);
    return m_limit;
}

uint64_t DecodeCache::usedBytes() const {
    std::lock_guard lock(m_mutex);
    return m_used;
}

bool DecodeCache::makeRoom(uint64_t needed) {
    auto it = m_lru.end();
    while (m_used + needed > m_limit && it != m_lru.begin()) {
        --it;
        if (it->audio.use_count() > 1)
            continue; // a stream holds it
        m_used -= it->bytes;
        m_index.erase(it->key);
        it = m_lru.erase(it);
    }
    return m_used + needed <= m_limit;
}

} // namespace gbxaudio
