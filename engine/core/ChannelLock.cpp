#include "ChannelLock.h"

#include <chrono>

namespace gbxaudio {

namespace {
constexpr auto kGiveUpCheck = std::chrono::milliseconds(5);
}

bool ChannelLock::lock(const std::atomic<bool>& giveUp) {
    const std::thread::id me = std::this_thread::get_id();
    std::unique_lock guard(m_mutex);
    if (m_owner == me) {
        ++m_depth;
        return true;
    }
    while (m_owner != std::thread::id()) {
        if (giveUp.load())
            return false;
        m_released.wait_for(guard, kGiveUpCheck);
    }
    m_owner = me;
    m_depth = 1;
    return true;
}

bool ChannelLock::tryLock() {
    const std::thread::id me = std::this_thread::get_id();
    std::lock_guard guard(m_mutex);
    if (m_owner == me) {
        ++m_depth;
        return true;
    }
    if (m_owner != std::thread::id())
        return false;
    m_owner = me;
    m_depth = 1;
    return true;
}

bool ChannelLock::unlock() {
    std::unique_lock guard(m_mutex);
    if (m_owner != std::this_thread::get_id())
        return false;
    if (--m_depth == 0) {
        m_owner = std::thread::id();
        guard.unlock();
        m_released.notify_one();
    }
    return true;
}

} // namespace gbxaudio
