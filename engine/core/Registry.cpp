#include "Registry.h"

namespace gbxaudio {

void Registry::add(const std::shared_ptr<Channel>& channel) {
    std::lock_guard lock(m_mutex);
    m_channels.emplace(channel->handle(), channel);
}

std::shared_ptr<Channel> Registry::find(Handle handle) const {
    std::lock_guard lock(m_mutex);
    auto found = m_channels.find(handle);
    return found == m_channels.end() ? nullptr : found->second;
}

std::shared_ptr<Channel> Registry::remove(Handle handle) {
    std::lock_guard lock(m_mutex);
    auto found = m_channels.find(handle);
    if (found == m_channels.end())
        return nullptr;
    auto channel = std::move(found->second);
    m_channels.erase(found);
    return channel;
}

std::vector<std::shared_ptr<Channel>> Registry::removeAll() {
    std::vector<std::shared_ptr<Channel>> all;
    std::lock_guard lock(m_mutex);
    for (auto& [handle, channel] : m_channels)
        all.push_back(std::move(channel));
    m_channels.clear();
    return all;
}

size_t Registry::size() const {
    std::lock_guard lock(m_mutex);
    return m_channels.size();
}

} // namespace gbxaudio
