// Passing the mingler's, the ruler's and the room's requests on to the carrier and the window.
#include "app/CarrierHost.h"

#include "app/MainWindow.h"
#include "app/TaskbarProgress.h"
#include "controls/CarrierLink.h"
#include "controls/TheCarrier.h"
#include "controls/TheRoom.h"
#include "model/Arrangement.h"

#include <QCoreApplication>

void CarrierHost::Attach(TGlorinbaxMF* window, TTheRoom* room, TTheCarrier* carrier) {
    m_window = window;
    *m_postedWindow = window;
    m_room = room;
    m_carrier = carrier;
}

void CarrierHost::SetFadeIn(bool pending, long double step) {
    m_fadeInPending = pending;
    m_fadeInStep = step;
}

bool CarrierHost::Rolling() const {
    return m_carrier && m_carrier->Rolling();
}

bool CarrierHost::Paused() const {
    return m_carrier && m_carrier->Paused();
}

void CarrierHost::Go(bool repaintLine, bool remember, Elements position) {
    if (m_carrier)
        m_carrier->Go(repaintLine, remember, position);
}

void CarrierHost::Roll(bool remember, Elements position) {
    if (m_carrier)
        m_carrier->Roll(remember, position);
}

bool CarrierHost::RoundRobin() const {
    return m_link.RoundRobin();
}

bool CarrierHost::Looping() const {
    return m_link.Looping();
}

void CarrierHost::ChangeRange() {
    m_link.ChangeRange();
}

void CarrierHost::ScheduleBallsAgain() {
    m_link.ScheduleBallsAgain();
}

void CarrierHost::UpdatePausedTaskbarProgress() {
    m_link.ShowPausedProgress();
}

bool CarrierHost::CarrierSettling() const {
    return !m_carrier || m_carrier->Settled();
}

Elements CarrierHost::LinePosition() const {
    return m_carrier ? m_carrier->LinePosition() : Elements{};
}

void CarrierHost::StopCarrier() {
    if (m_carrier)
        m_carrier->Stop();
}

void CarrierHost::RepaintRoom() {
    if (m_room)
        m_room->RepaintWhole();
}

void CarrierHost::StreamEnded() {
    if (m_carrier)
        m_carrier->Ended();
}

void CarrierHost::StartFadeIn() {
    if (m_window)
        m_window->Fade().Start(m_fadeInStep);
}

bool CarrierHost::FadeRunning() const {
    return m_window && m_window->Fade().Running();
}

long double CarrierHost::FadeLevel() const {
    return m_window ? m_window->Fade().FadeLoudness() : 0;
}

void CarrierHost::LineWrapped(Elements start) {
    LineBaseReset(start);
    if (m_room)
        m_room->AutoScroll().Rewinding = true;
}

void CarrierHost::LineBaseReset(Elements start) {
    if (m_room)
        m_room->Line().SetHighestPosition(start);
}

void CarrierHost::RangeEndHeard() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    // The window may go before the posted work runs; it checks on the UI thread.
    QMetaObject::invokeMethod(
        app,
        [window = m_postedWindow] {
            if (TGlorinbaxMF* shown = *window) {
                shown->SetTaskbarState(ProgressState::None);
                shown->SetTaskbarState(ProgressState::Normal);
            }
        },
        Qt::QueuedConnection);
}
