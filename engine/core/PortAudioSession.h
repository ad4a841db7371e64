// PortAudio kept running for as long as a part of the engine needs it.
#pragma once

namespace gbxaudio {

struct OutputDevice;

// From Pa_Initialize to Pa_Terminate. PortAudio counts nested sessions, so one begun while another
// runs costs nothing. Through PortAudio, ALSA loads its plug-ins, and a sound server's plug-in
// starts client threads; all of that ends with the last session, so once the output is closed
// nothing of the audio stack runs and the engine's libraries can go. Any thread.
class PortAudioSession {
public:
    PortAudioSession();
    ~PortAudioSession();
    PortAudioSession(const PortAudioSession&) = delete;
    PortAudioSession& operator=(const PortAudioSession&) = delete;

    // False when PortAudio did not start.
    bool running() const { return m_running; }
    // The device's index in this session, which may not be the one it was listed in: the listed
    // index while the name and host system there still match, else the first output with both;
    // -1 when it is gone.
    int indexOf(const OutputDevice& device) const;

private:
    bool m_running = false;
};

} // namespace gbxaudio
