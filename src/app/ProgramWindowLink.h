// The main window and the audio output as the program commands reach them.
#pragma once

#include "commands/ProgramCommandLinks.h"

class AudioOutput;
class MixerView;
class TGlorinbaxMF;
class WindowPeers;

// UI thread only; everything referenced outlives it.
class ProgramWindowLink : public ProgramWindow {
public:
    ProgramWindowLink(TGlorinbaxMF& window, WindowPeers& peers, MixerView& mixer,
                      AudioOutput& output)
        : m_window(window), m_peers(peers), m_mixer(mixer), m_output(output) {}

    QImage ClientImage() override;
    void SwitchFullScreen() override;
    bool Busy() const override;
    void SwitchReport() override;
    void ReloadAudio() override;

private:
    TGlorinbaxMF& m_window;
    WindowPeers& m_peers;
    MixerView& m_mixer;
    AudioOutput& m_output;
};
