#include "PortAudioSession.h"

#include "SystemDevices.h"

#include <alsa/asoundlib.h>
#include <portaudio.h>
#ifdef GBXAUDIO_HAVE_JACK
#include <jack/jack.h>
#endif

#include <mutex>

namespace gbxaudio {

namespace {

// Pa_Initialize and Pa_Terminate are not thread-safe.
std::mutex g_startStop;

// Probing devices makes ALSA and JACK print to stderr; a desktop program keeps it quiet.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}
#ifdef GBXAUDIO_HAVE_JACK
void quietJack(const char*) {}
#endif

bool sameOutput(PaDeviceIndex index, const OutputDevice& device) {
    const PaDeviceInfo* info = Pa_GetDeviceInfo(index);
    if (!info || info->maxOutputChannels <= 0 || !info->name)
        return false;
    const PaHostApiInfo* api = Pa_GetHostApiInfo(info->hostApi);
    return device.name == info->name && api && api->name && device.driver == api->name;
}

} // namespace

PortAudioSession::PortAudioSession() {
    std::lock_guard lock(g_startStop);
    snd_lib_error_set_handler(quietAlsa);
#ifdef GBXAUDIO_HAVE_JACK
    jack_set_error_function(quietJack);
    jack_set_info_function(quietJack);
#endif
    m_running = Pa_Initialize() == paNoError;
}

PortAudioSession::~PortAudioSession() {
    if (!m_running)
        return;
    std::lock_guard lock(g_startStop);
    Pa_Terminate();
}

int PortAudioSession::indexOf(const OutputDevice& device) const {
    if (!m_running)
        return -1;
    if (sameOutput(device.index, device))
        return device.index;
    const PaDeviceIndex count = Pa_GetDeviceCount();
    for (PaDeviceIndex i = 0; i < count; ++i) {
        if (sameOutput(i, device))
            return i;
    }
    return -1;
}

} // namespace gbxaudio
