// The main window as the commands see it.
#pragma once

#include "commands/CommandHost.h"

class TGlorinbaxMF;
class WindowPeers;

// Lives no longer than the window. UI thread only.
class WindowCommandHost : public CommandHost {
public:
    WindowCommandHost(TGlorinbaxMF& window, WindowPeers& peers)
        : m_window(window), m_peers(peers) {}

    QWidget* DialogParent() override;
    void StepAsideForDialog() override;
    void ReturnAfterDialog() override;
    void SetControlsDimmed(bool on) override;
    void RefreshTitle() override;
    void ShowReport() override;
    void CloseWindow() override;
    void RefreshAfterLoad() override;
    void SettleCarrier() override;
    int LaneTextZoom() const override;

private:
    TGlorinbaxMF& m_window;
    WindowPeers& m_peers;
    int m_dimDepth = 0; // open dialogs that dimmed the controls
};
