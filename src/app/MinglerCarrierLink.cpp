// The carrier's requests carried out by the mingler and the main window.
#include "app/MinglerCarrierLink.h"

#include "app/MainWindow.h"
#include "app/TaskbarProgress.h"
#include "app/WindowPeers.h"
#include "audio/AudioOutput.h"
#include "audio/Mingler.h"
#include "model/Arrangement.h"

#include <QGuiApplication>

bool MinglerCarrierLink::HasStream() const {
    return m_mingler && m_mingler->Handle() != 0;
}

bool MinglerCarrierLink::LastPlaySucceeded() const {
    return m_mingler && m_mingler->Playing();
}

void MinglerCarrierLink::RollMix(Elements from) {
    if (m_mingler)
        m_mingler->Roll(from);
}

bool MinglerCarrierLink::PauseMix() {
    return m_mingler && m_mingler->Pause();
}

bool MinglerCarrierLink::ResumeMix() {
    return m_mingler && m_mingler->Play();
}

void MinglerCarrierLink::StopMix() {
    if (m_mingler)
        m_mingler->Stop();
}

void MinglerCarrierLink::ReleaseMix() {
    if (m_mingler)
        m_mingler->Release();
}

bool MinglerCarrierLink::SilentOutput() const {
    return m_output.Device == AudioOutput::kNoSound;
}

bool MinglerCarrierLink::RoundRobin() const {
    return m_mingler && m_mingler->RoundRobin();
}

bool MinglerCarrierLink::Looping() const {
    return m_mingler && m_mingler->Wrapped();
}

void MinglerCarrierLink::ChangeRange() {
    if (m_mingler)
        m_mingler->Resync();
}

void MinglerCarrierLink::ScheduleBallsAgain() {
    if (!m_mingler)
        return;
    std::vector<TBall*> balls;
    balls.reserve(static_cast<size_t>(m_arrangement.balls.Count()));
    for (int i = 0; i < m_arrangement.balls.Count(); ++i)
        balls.push_back(&m_arrangement.balls.At(i));
    m_mingler->RearmList(balls);
}

void MinglerCarrierLink::RunRollTimers(bool on) {
    if (!m_window)
        return;
    WindowTimers& timers = m_window->Timers();
    if (!on) {
        timers.LineTimer.stop();
        if (timers.TaskbarTimer)
            timers.TaskbarTimer->stop();
        return;
    }
    timers.LineTimer.start();
    if (timers.TaskbarTimer) {
        timers.TaskbarTimer->start();
        m_window->TaskbarTick(false);
    }
}

void MinglerCarrierLink::ShowPausedProgress() {
    if (m_window)
        m_window->UpdatePausedTaskbarProgress();
}

void MinglerCarrierLink::ClearProgress() {
    if (m_window)
        m_window->SetTaskbarState(ProgressState::None);
}

void MinglerCarrierLink::PaintWatch() {
    m_peers.PaintWatchDigits(true);
}

void MinglerCarrierLink::SendKey(int key, ShiftState shift) {
    if (m_window)
        m_window->KeyDown(key, shift);
}

ShiftState MinglerCarrierLink::Modifiers() const {
    return ShiftState::FromQt(QGuiApplication::keyboardModifiers());
}

bool MinglerCarrierLink::WindowActive() const {
    return m_window && m_window->isActiveWindow();
}

void MinglerCarrierLink::RunRepeat(int intervalMs) {
    if (m_window)
        m_window->Timers().RepeatTimer.start(intervalMs);
}

void MinglerCarrierLink::StopRepeat() {
    if (m_window)
        m_window->Timers().RepeatTimer.stop();
}
