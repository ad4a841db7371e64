// The main window and the audio output as the menus reach them.
#pragma once

#include "commands/MenusWindowLink.h"

#include <QString>

#include <functional>

class Arrangement;
class ProgramAudio;
class TGlorinbaxMF;
class WindowPeers;

// The render facts the menus show are not wired yet: they read as none running and none made.
// UI thread only.
class WindowMenuLink : public MenuWindowLink {
public:
    // `editorialProgram`: the program's choice as it changes; `confirmStopRenders`: whether the
    // renders still running may stop (they do on Yes).
    WindowMenuLink(TGlorinbaxMF& window, Arrangement& arrangement, ProgramAudio& audio,
                   const WindowPeers& peers, const QString& editorialProgram,
                   std::function<bool()> confirmStopRenders)
        : m_window(window), m_arrangement(arrangement), m_audio(audio), m_peers(peers),
          m_editorialProgram(editorialProgram),
          m_confirmStopRenders(std::move(confirmStopRenders)) {}

    QWidget& Window() override;
    bool FullScreen() const override;
    void LeaveFullScreen() override;
    // A new output frees the renders' streams: they stop first, if the user agrees.
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
    const QString& m_editorialProgram;
    const std::function<bool()> m_confirmStopRenders;
};
