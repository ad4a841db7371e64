#include "Engine.h"

#include "Handles.h"
#include "LastError.h"
#include "gbxaudio.h"

namespace gbxaudio {

Engine& Engine::instance() {
    static Engine engine;
    return engine;
}

Engine::~Engine() {
    free();
}

int Engine::init(int device, uint32_t rate) {
    if (Output::onEngineThread())
        return BASS_ERROR_BUSY;
    if (rate == 0)
        rate = kDefaultRate;
    if (rate > kMaxRate)
        return BASS_ERROR_ILLPARAM;
    std::lock_guard lock(m_outputMutex);
    if (m_output)
        return BASS_ERROR_ALREADY;
    if (device < -1)
        return BASS_ERROR_DEVICE;
    // Begun before the list is read, so that the first BASS_Init starts PortAudio once.
    auto session = device != 0 ? std::make_unique<PortAudioSession>() : nullptr;
    const OutputDevice* chosen = nullptr;
    int number = device;
    if (device == -1) {
        chosen = m_devices.systemDefault();
        if (!chosen)
            return BASS_ERROR_DEVICE;
        number = 1;
        while (&m_devices.outputs()[number - 1] != chosen)
            ++number;
    } else if (device > 0) {
        const auto& outputs = m_devices.outputs();
        if (static_cast<size_t>(device) > outputs.size())
            return BASS_ERROR_DEVICE;
        chosen = &outputs[device - 1];
    }
    int error = BASS_OK;
    std::unique_ptr<Output> output =
        Output::open(chosen, std::move(session), rate, bufferMs, &error);
    if (!output)
        return error;
    m_output = std::move(output);
    m_device = number;
    return BASS_OK;
}

int Engine::free() {
    if (Output::onEngineThread())
        return BASS_ERROR_BUSY;
    std::shared_ptr<Output> output;
    {
        std::lock_guard lock(m_outputMutex);
        output = std::move(m_output);
        m_device = -1;
    }
    if (!output)
        return BASS_ERROR_INIT;
    // Freed first, so that a sync procedure waiting for a lock gives up and the threads end.
    for (const auto& channel : m_registry.removeAll())
        channel->markFreed();
    output->shutdown();
    return BASS_OK;
}

bool Engine::initialised() const {
    std::lock_guard lock(m_outputMutex);
    return m_output != nullptr;
}

int Engine::currentDevice() const {
    std::lock_guard lock(m_outputMutex);
    return m_device;
}

std::shared_ptr<Output> Engine::output() const {
    std::lock_guard lock(m_outputMutex);
    return m_output;
}

Handle Engine::addChannel(std::unique_ptr<Producer> producer, ChannelIdentity identity) {
    if (!initialised())
        return fail(BASS_ERROR_INIT, Handle{0});
    auto channel = std::make_shared<Channel>(newHandle(), std::move(producer), std::move(identity));
    m_registry.add(channel);
    return channel->handle();
}

std::shared_ptr<Channel> Engine::channel(Handle handle) const {
    auto found = m_registry.find(handle);
    return found && !found->freed() ? found : nullptr;
}

} // namespace gbxaudio
