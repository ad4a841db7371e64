// The state behind the exported calls: configuration, output, channels, cache and plug-ins.
#pragma once

#include "Channel.h"
#include "DecodeCache.h"
#include "Output.h"
#include "Plugins.h"
#include "Registry.h"
#include "SystemDevices.h"

#include <atomic>
#include <memory>
#include <mutex>

namespace gbxaudio {

// One per loaded core library; every member is thread-safe.
class Engine {
public:
    static constexpr uint32_t kDefaultBufferMs = 500;
    static constexpr uint32_t kMinBufferMs = 10;
    static constexpr uint32_t kMaxBufferMs = 5000;
    static constexpr uint32_t kDefaultRate = 44100;
    static constexpr uint32_t kMaxRate = 768000;

    static Engine& instance();
    ~Engine();

    Registry& registry() { return m_registry; }
    DecodeCache& cache() { return m_cache; }
    Plugins& plugins() { return m_plugins; }
    SystemDevices& devices() { return m_devices; }

    std::atomic<uint32_t> bufferMs{kDefaultBufferMs};
    std::atomic<uint32_t> followDefaultDevice{0};
    std::atomic<uint32_t> unicodeNames{0};

    // BASS_OK or an error code. device: -1 default, 0 no sound, 1..n the system's outputs.
    int init(int device, uint32_t rate);
    // Returns once the output's threads, its device and its PortAudio session have ended.
    int free();
    bool initialised() const;
    // The device number BASS_Init opened, or -1 when none is open.
    int currentDevice() const;
    std::shared_ptr<Output> output() const;

    // Registers a channel around the producer; 0 and BASS_ERROR_INIT without an output.
    Handle addChannel(std::unique_ptr<Producer> producer, ChannelIdentity identity);
    // A channel that has not been freed; nullptr otherwise.
    std::shared_ptr<Channel> channel(Handle handle) const;

private:
    Engine() = default;

    Registry m_registry;
    DecodeCache m_cache;
    Plugins m_plugins;
    SystemDevices m_devices;

    mutable std::mutex m_outputMutex;
    std::shared_ptr<Output> m_output;
    int m_device = -1;
};

} // namespace gbxaudio
