// The live channels by handle.
#pragma once

#include "Channel.h"
#include "HandleTable.h"

#include <memory>
#include <mutex>
#include <vector>

namespace gbxaudio {

// Thread-safe. A removed channel lives on while a thread still holds it (a running sync, the
// mixing thread, a lock taken through BASS_ChannelLock).
class Registry {
public:
    void add(const std::shared_ptr<Channel>& channel);
    std::shared_ptr<Channel> find(Handle handle) const;
    std::shared_ptr<Channel> remove(Handle handle);
    std::vector<std::shared_ptr<Channel>> removeAll();
    // Channels made and not yet freed.
    size_t size() const;

private:
    mutable std::mutex m_mutex;
    HandleTable<std::shared_ptr<Channel>> m_channels;
};

} // namespace gbxaudio
