// Rolling, stopping and moving the line.
#include "app/PlainCarrier.h"

#include "app/MainWindow.h"
#include "audio/Mingler.h"
#include "controls/TheRoom.h"
#include "model/Arrangement.h"
#include "support/FaultLog.h"

#include <cmath>

PlainCarrier::PlainCarrier(Arrangement& arrangement, int rollFrom, int settleTo)
    : m_arrangement(arrangement), m_rollFrom(rollFrom), m_settleTo(settleTo) {}

void PlainCarrier::AttachWindow(TGlorinbaxMF* window, TTheRoom* room) {
    // The syncs reach the room under the mix lock; so is it attached and detached.
    MixerLock lock(m_arrangement.audio);
    m_window = window;
    m_room = room;
}

Elements PlainCarrier::MarkPosition(int kind) const {
    switch (static_cast<CarrierMark>(kind)) {
    case CarrierMark::Start:
        return m_arrangement.plan.Start;
    case CarrierMark::Point:
        return Elements{
            std::llround(m_arrangement.room.Point.X * m_arrangement.plan.ElementsPerStep())};
    case CarrierMark::LastRoll:
        return m_lastRoll;
    case CarrierMark::Beginning:
        break;
    }
    return Elements{0};
}

void PlainCarrier::SetFadeIn(bool pending, long double step) {
    m_fadeInPending = pending;
    m_fadeInStep = step;
}

Elements PlainCarrier::LinePosition() const {
    return m_room ? m_room->Line().Position() : Elements{};
}

void PlainCarrier::MoveLine(Elements position) {
    if (!m_room)
        return;
    m_room->Line().SetHighestPosition(position);
    m_room->Line().SetPosition(position, true);
}

void PlainCarrier::Roll(bool remember, Elements position) {
    if (remember)
        m_lastRoll = position;
    MoveLine(position);
    if (!m_mingler)
        return;
    if (m_rolling && m_mingler->Handle())
        Stop();
    m_mingler->Roll(position);
    if (m_mingler->Handle() && m_mingler->Playing())
        startRolling();
    else
        UpdatePausedTaskbarProgress();
    m_paused = false;
}

void PlainCarrier::Stop() {
    stopRolling();
    if (m_mingler)
        m_mingler->Stop();
}

void PlainCarrier::startRolling() {
    m_rolling = true;
    if (m_window)
        m_window->Timers().LineTimer.start();
    if (m_room) {
        TAutoScroll& scroll = m_room->AutoScroll();
        if (!scroll.ScrollTimer.isActive())
            scroll.Rearm();
    }
}

void PlainCarrier::stopRolling() {
    m_rolling = false;
    if (m_window)
        m_window->Timers().LineTimer.stop();
    if (m_room) {
        TAutoScroll& scroll = m_room->AutoScroll();
        scroll.DelayTimer.stop();
        if (!scroll.Rewinding)
            scroll.ScrollTimer.stop();
    }
}

void PlainCarrier::Go(bool repaintLine, bool remember, Elements position) {
    try {
        if (m_rolling) {
            Roll(remember, position);
        } else {
            MoveLine(position);
            UpdatePausedTaskbarProgress();
        }
        scrollTo(position, repaintLine);
    } catch (const std::exception& e) {
        GBX_FAULT_CAUGHT("TTheCarrier.Go", e);
    }
}

void PlainCarrier::scrollTo(Elements position, bool repaintLine) {
    if (!m_room)
        return;
    const int32_t offset = m_room->OffsetToShow(position);
    if (offset != m_arrangement.room.OffsetX) {
        m_room->AutoScroll().StopAutoScroll();
        m_room->SetOffsetX(offset);
    } else if (repaintLine) {
        m_room->Line().Repaint();
    }
}

bool PlainCarrier::RoundRobin() const {
    return m_mingler && m_mingler->RoundRobin();
}

bool PlainCarrier::Looping() const {
    return m_mingler && m_mingler->Wrapped();
}

void PlainCarrier::ChangeRange() {
    if (m_mingler)
        m_mingler->Resync();
}

void PlainCarrier::ScheduleBallsAgain() {
    if (!m_mingler)
        return;
    std::vector<TBall*> balls;
    balls.reserve(static_cast<size_t>(m_arrangement.balls.Count()));
    for (int i = 0; i < m_arrangement.balls.Count(); ++i)
        balls.push_back(&m_arrangement.balls.At(i));
    m_mingler->RearmList(balls);
}

void PlainCarrier::UpdatePausedTaskbarProgress() {
    if (m_window)
        m_window->UpdatePausedTaskbarProgress();
}

void PlainCarrier::RepaintRoom() {
    if (m_room)
        m_room->RepaintWhole();
}

void PlainCarrier::StreamEnded() {
    Stop();
    m_paused = true;
    UpdatePausedTaskbarProgress();
}

void PlainCarrier::StartFadeIn() {
    if (m_window)
        m_window->Fade().Start(m_fadeInStep);
}

bool PlainCarrier::FadeRunning() const {
    return m_window && m_window->Timers().FadeTimer.isActive();
}

long double PlainCarrier::FadeLevel() const {
    return m_window ? m_window->Fade().FadeLoudness() : 0;
}

void PlainCarrier::LineWrapped(Elements start) {
    LineBaseReset(start);
    if (m_room)
        m_room->AutoScroll().Rewinding = true;
}

void PlainCarrier::LineBaseReset(Elements start) {
    if (m_room)
        m_room->Line().SetHighestPosition(start);
}
