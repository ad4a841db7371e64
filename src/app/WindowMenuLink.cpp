#include "app/WindowMenuLink.h"

#include "app/MainWindow.h"
#include "app/WindowPeers.h"
#include "audio/Mingler.h"
#include "audio/ProgramAudio.h"
#include "commands/EditorialProgram.h"
#include "controls/TheCarrier.h"
#include "model/Arrangement.h"
#include "model/MixerView.h"
#include "support/SettingKeys.h"

QWidget& WindowMenuLink::Window() {
    return m_window;
}

bool WindowMenuLink::FullScreen() const {
    return m_window.FullScreen();
}

void WindowMenuLink::LeaveFullScreen() {
    if (m_window.FullScreen())
        m_window.ToggleMaximised();
}

void WindowMenuLink::SelectOutputDevice(int device) {
    AudioOutput& output = m_audio.Output();
    if (device == output.Device || !m_confirmStopRenders())
        return;
    // Nothing is heard on "no sound": the roll stops rather than run unheard.
    if (device == AudioOutput::kNoSound)
        if (TTheCarrier* carrier = TheCarrierOf(m_window.Interior()); carrier && carrier->Rolling())
            carrier->Stop();
    output.Device = device;
    if (TTheMingler* mingler = m_audio.Mingler())
        mingler->ReinitBass(static_cast<uint32_t>(m_arrangement.plan.ElementRate.Value()));
}

int WindowMenuLink::SelectedOutputDevice() const {
    return m_audio.Output().Device;
}

bool WindowMenuLink::Busy() const {
    return !m_window.Started() || m_window.Relayouting();
}

bool WindowMenuLink::ReportVisible() const {
    return m_peers.ReportVisible();
}

int WindowMenuLink::ReportRowCount() const {
    return m_peers.ReportRowCount();
}

int WindowMenuLink::ReportSelectedRowCount() const {
    return m_peers.ReportSelectedRowCount();
}

bool WindowMenuLink::EditorialProgramSet() const {
    return !EditorialProgram(m_settings).isEmpty();
}

bool WindowMenuLink::LastRenderKnown() const {
    return !ReadSettingText(m_settings, Setting("Perpetuator", "FilePath")).isEmpty();
}

bool WindowMenuLink::RendersRunning() const {
    const MixerView* renders = m_audio.View();
    return renders && renders->RenderCount() > 0;
}

bool WindowMenuLink::RenderTimerRunning() const {
    return m_window.Timers().RenderTimer.isActive();
}
