#include "StreamRegistry.h"

StreamRegistry& StreamRegistry::instance() {
    static StreamRegistry registry;
    return registry;
}

uint32_t StreamRegistry::add(std::unique_ptr<LameStream> stream) {
    std::lock_guard lock(m_mutex);
    do
        ++m_lastHandle;
    while (m_lastHandle == 0 || m_streams.count(m_lastHandle) != 0);
    m_streams.emplace(m_lastHandle, std::move(stream));
    return m_lastHandle;
}

std::shared_ptr<LameStream> StreamRegistry::find(uint32_t handle) {
    std::lock_guard lock(m_mutex);
    const auto it = m_streams.find(handle);
    return it == m_streams.end() ? nullptr : it->second;
}

bool StreamRegistry::remove(uint32_t handle) {
    std::shared_ptr<LameStream> closing;
    {
        std::lock_guard lock(m_mutex);
        const auto it = m_streams.find(handle);
        if (it == m_streams.end())
            return false;
        closing = std::move(it->second);
        m_streams.erase(it);
    }
    return true; // `closing` ends the encoder outside the lock
}
