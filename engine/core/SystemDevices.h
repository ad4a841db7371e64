// The system's output devices through PortAudio, with ALSA's and JACK's messages silenced.
#pragma once

#include <mutex>
#include <string>
#include <vector>

namespace gbxaudio {

struct OutputDevice {
    std::string name;   // UTF-8
    std::string driver; // the host audio system
    int index = -1;     // PortAudio's device index
    int maxChannels = 0;
    bool isDefault = false;
};

// PortAudio is started on first use and ended with the library. The list is read once, so the
// strings handed out by BASS_GetDeviceInfo stay valid. Thread-safe.
class SystemDevices {
public:
    SystemDevices() = default;
    ~SystemDevices();
    SystemDevices(const SystemDevices&) = delete;
    SystemDevices& operator=(const SystemDevices&) = delete;

    // The output devices; empty when PortAudio does not start or finds none.
    const std::vector<OutputDevice>& outputs();
    // The system default among outputs(), or nullptr.
    const OutputDevice* systemDefault();

private:
    void start();

    std::once_flag m_started;
    bool m_running = false;
    std::vector<OutputDevice> m_outputs;
};

} // namespace gbxaudio
