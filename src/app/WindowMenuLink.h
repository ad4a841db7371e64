// The main window and the audio output as the menus reach them.
#pragma once

#include "commands/MenusWindowLink.h"

#include <functional>

class Arrangement;
class ProgramAudio;
class TGlorinbaxMF;
class TWideCustomIniFile;
class WindowPeers;

// UI thread only.
class WindowMenuLink : public MenuWindowLink {
public:
    // `confirmStopRenders`: whether the renders still running may stop (they do on Yes).
    // `settings`: where the editing program and the last rendered file are remembered.
    WindowMenuLink(TGlorinbaxMF& window, Arrangement& arrangement, ProgramAudio& audio,
                   const WindowPeers& peers, const TWideCustomIniFile& settings,
                   std::function<bool()> confirmStopRenders)
        : m_window(window), m_arrangement(arrangement), m_audio(audio), m_peers(peers),
          m_settings(settings), m_confirmStopRenders(std::move(confirmStopRenders)) {}

    QWidget& Window() override;
    bool FullScreen() const override;
    void LeaveFullScreen() override;
    // A new output frees the renders' streams: they stop first, if the user agrees.
    void SelectOutputDevice(int device) override;
    int SelectedOutputDevice() const override;
    bool Busy() const override;
    bool ReportVisible() const override;
    int ReportRowCount() const override;
    int ReportSelectedRowCount() const override;
    // The settings keep the program once it is chosen.
    bool EditorialProgramSet() const override;
    bool LastRenderKnown() const override;
    bool RendersRunning() const override;
    bool RenderTimerRunning() const override;

private:
    TGlorinbaxMF& m_window;
    Arrangement& m_arrangement;
    ProgramAudio& m_audio;
    const WindowPeers& m_peers;
    const TWideCustomIniFile& m_settings;
    const std::function<bool()> m_confirmStopRenders;
};
