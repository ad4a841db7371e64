// The open encoder streams, by the 32-bit handles the entry points hand out.
#pragma once

#include "LameStream.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>

// Threads: every call is safe from any thread (one mutex guards the map). A stream it hands out
// is not guarded: each stream is used by one thread at a time, the render that opened it.
class StreamRegistry {
public:
    static StreamRegistry& instance();

    // A fresh non-zero handle; handles are not reused while the counter has not wrapped.
    uint32_t add(std::unique_ptr<LameStream> stream);
    // Null when `handle` is not open. The stream stays alive while the caller holds it.
    std::shared_ptr<LameStream> find(uint32_t handle);
    bool remove(uint32_t handle);

private:
    std::mutex m_mutex;
    std::unordered_map<uint32_t, std::shared_ptr<LameStream>> m_streams;
    uint32_t m_lastHandle = 0;
};
