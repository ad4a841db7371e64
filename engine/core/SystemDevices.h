// The system's output devices through PortAudio.
#pragma once

#include <mutex>
#include <string>
#include <vector>

namespace gbxaudio {

struct OutputDevice {
    std::string name;   // UTF-8
    std::string driver; // the host audio system
    int index = -1;     // PortAudio's device index in the session the list was read in
    int maxChannels = 0;
    bool isDefault = false;
};

// The list is read once, in a PortAudio session of its own that ends with the reading (or nests
// in the session of an output being opened), so the strings handed out by BASS_GetDeviceInfo stay
// valid and listing leaves nothing running. Thread-safe.
class SystemDevices {
public:
    // The output devices; empty when PortAudio does not start or finds none.
    const std::vector<OutputDevice>& outputs();
    // The system default among outputs(), or nullptr.
    const OutputDevice* systemDefault();

private:
    void read();

    std::once_flag m_read;
    std::vector<OutputDevice> m_outputs;
};

} // namespace gbxaudio
