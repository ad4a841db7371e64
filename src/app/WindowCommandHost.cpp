// The window's side of the commands.
#include "app/WindowCommandHost.h"

#include "app/MainWindow.h"
#include "app/WindowPeers.h"
#include "controls/TheCarrier.h"
#include "controls/TheSlider.h"
#include "controls/TheWatch.h"
#include "controls/WatchTyper.h"

#include <algorithm>

QWidget* WindowCommandHost::DialogParent() {
    return &m_window;
}

void WindowCommandHost::StepAsideForDialog() {
    m_window.StepAsideForDialog();
}

void WindowCommandHost::ReturnAfterDialog() {
    m_window.ReturnAfterDialog();
}

void WindowCommandHost::SetControlsDimmed(bool on) {
    // A dialog opened from a dialog: the controls brighten when the outermost one closes.
    const int before = m_dimDepth;
    m_dimDepth = std::max(0, m_dimDepth + (on ? 1 : -1));
    if ((on && before == 0) || (!on && before == 1))
        m_window.Interior().SetDimmed(on);
}

void WindowCommandHost::RefreshTitle() {
    m_window.RefreshTitle();
}

void WindowCommandHost::ShowReport() {
    m_peers.ShowReport(true);
}

void WindowCommandHost::CloseWindow() {
    m_window.close();
}

void WindowCommandHost::RefreshAfterLoad() {
    m_window.Timers().FadeTimer.stop();
    // The last typed entry may name values of the plan that went.
    if (TTheWatch* watch = TheWatchOf(m_window.Interior()))
        watch->Typer().ForgetLastParameters();
    if (TTheSlider* slider = TheSliderOf(m_window.Interior()))
        slider->SyncToPlan();
    if (m_window.LaidOut())
        m_window.RelayoutAndRepaint(true);
    m_window.RefreshTitle();
    const TTheCarrier* carrier = TheCarrierOf(m_window.Interior());
    if (!carrier || !carrier->Rolling())
        m_window.UpdatePausedTaskbarProgress();
}

void WindowCommandHost::SettleCarrier() {
    if (TTheCarrier* carrier = TheCarrierOf(m_window.Interior())) {
        carrier->MoveLine(Elements{0});
        carrier->Settle();
    }
}

int WindowCommandHost::LaneTextZoom() const {
    return m_window.Interior().LaneStripStates.handlesZoom;
}
