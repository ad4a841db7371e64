#include "SystemDevices.h"

#include "PortAudioSession.h"

#include <portaudio.h>

namespace gbxaudio {

void SystemDevices::read() {
    const PortAudioSession session;
    if (!session.running())
        return;
    const PaDeviceIndex fallback = Pa_GetDefaultOutputDevice();
    const PaDeviceIndex count = Pa_GetDeviceCount();
    for (PaDeviceIndex i = 0; i < count; ++i) {
        const PaDeviceInfo* info = Pa_GetDeviceInfo(i);
        if (!info || info->maxOutputChannels <= 0)
            continue;
        const PaHostApiInfo* api = Pa_GetHostApiInfo(info->hostApi);
        m_outputs.push_back(OutputDevice{info->name ? info->name : "", api ? api->name : "", i,
                                         info->maxOutputChannels, i == fallback});
    }
}

const std::vector<OutputDevice>& SystemDevices::outputs() {
    std::call_once(m_read, [this] { read(); });
    return m_outputs;
}

const OutputDevice* SystemDevices::systemDefault() {
    for (const OutputDevice& device : outputs()) {
        if (device.isDefault)
            return &device;
    }
    return nullptr;
}

} // namespace gbxaudio
