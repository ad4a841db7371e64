#include "SystemDevices.h"

#include <alsa/asoundlib.h>
#include <portaudio.h>
#ifdef GBXAUDIO_HAVE_JACK
#include <jack/jack.h>
#endif

namespace gbxaudio {

namespace {

// Probing devices makes ALSA and JACK print to stderr; a desktop program keeps it quiet.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}
#ifdef GBXAUDIO_HAVE_JACK
void quietJack(const char*) {}
#endif

} // namespace

SystemDevices::~SystemDevices() {
    if (m_running)
        Pa_Terminate();
}

void SystemDevices::start() {
    snd_lib_error_set_handler(quietAlsa);
#ifdef GBXAUDIO_HAVE_JACK
    jack_set_error_function(quietJack);
    jack_set_info_function(quietJack);
#endif
    if (Pa_Initialize() != paNoError)
        return;
    m_running = true;
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
    std::call_once(m_started, [this] { start(); });
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
