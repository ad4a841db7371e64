// The recursive lock of one channel (BASS_ChannelLock); the mixing thread holds it per block.
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace gbxaudio {

class ChannelLock {
public:
    // Waits until locked. Gives up with false once `giveUp` is set, so that no thread waits
    // forever on a channel freed while another thread held its lock. Any thread.
    bool lock(const std::atomic<bool>& giveUp);
    // One attempt without waiting; for the mixing thread, which must not stall on one channel.
    bool tryLock();
    // False when the calling thread does not hold the lock.
    bool unlock();

private:
    std::mutex m_mutex; // guards the two fields below; held only briefly
    std::condition_variable m_released;
    std::thread::id m_owner;
    int m_depth = 0;
};

} // namespace gbxaudio
