#include "Registry.h"

namespace gbxaudio {

void Registry::add(const std::shared_ptr<Channel>& channel) {
    std::lock_guard lock(m_mutex);
    std::shared_ptr<Channel>& slot = m_channels[channel->handle()];
    if (!slot)
        slot = channel;
}

std::shared_ptr<Channel> Registry::find(Handle handle) const {
    std::lock_guard lock(m_mutex);
    const std::shared_ptr<Channel>* found = m_channels.find(handle);
    return found ? *found : nullptr;
}

std::shared_ptr<Channel> Registry::remove(Handle handle) {
    std::lock_guard lock(m_mutex);
    return m_channels.take(handle);
}

std::vector<std::shared_ptr<Channel>> Registry::removeAll() {
    std::lock_guard lock(m_mutex);
    return m_channels.takeAll();
}

size_t Registry::size() const {
    std::lock_guard lock(m_mutex);
    return m_channels.size();
}

} // namespace gbxaudio
