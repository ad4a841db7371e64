#include "app/ProgramWindowLink.h"

#include "app/MainWindow.h"
#include "app/WindowPeers.h"
#include "audio/AudioOutput.h"
#include "model/MixerView.h"

QImage ProgramWindowLink::ClientImage() {
    return m_window.grab().toImage();
}

void ProgramWindowLink::SwitchFullScreen() {
    m_window.SwitchFullScreen();
}

bool ProgramWindowLink::Busy() const {
    return !m_window.Started() || m_window.Relayouting();
}

void ProgramWindowLink::SwitchReport() {
    m_peers.ShowReport(!m_peers.ReportVisible());
}

void ProgramWindowLink::ReloadAudio() {
    // Taken up when the output starts again.
    m_output.ApplyBassBuffer();
    m_mixer.RestartEngine();
}
