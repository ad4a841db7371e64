// The main window and the audio output as the menus reach them.
#pragma once

#include "commands/MenusWindowLink.h"

#include <QString>

class Arrangement;
class ProgramAudio;
class TGlorinbaxMF;
class WindowPeers;

// Renders are not part of the program yet: none runs and none was made. UI thread only.
class WindowMenuLink : public MenuWindowLink {
public:
    WindowMenuLink(TGlorinbaxMF& window, Arrangement& arrangement, ProgramAudio& audio,
                   const WindowPeers& peers, QString editorialProgram)
        : m_window(window), m_arrangement(arrangement), m_audio(audio), m_peers(peers),
          m_editorialProgram(std::move(editorialProgram)) {}

    QWidget& Window() override;
    bool FullScreen() const override;
    void LeaveFullScreen() override;
    void SelectOutputDevice(int device) override;
    int SelectedOutputDevice() const override;
    bool Busy() const override;
    bool ReportVisible() const override;
    bool EditorialProgramSet() const override { return !m_editorialProgram.isEmpty(); }
    bool LastRenderKnown() const override { return false; }
    bool RendersRunning() const override { return false; }
    bool RenderTimerRunning() const override { return false; }

private:
    TGlorinbaxMF& m_window;
    Arrangement& m_arrangement;
    ProgramAudio& m_audio;
    const WindowPeers& m_peers;
    const QString m_editorialProgram;
};
