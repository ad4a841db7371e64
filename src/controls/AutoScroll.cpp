// The auto-scroll's timers and their steps.
#include "controls/AutoScroll.h"

#include "controls/TheRoom.h"
#include "model/Arrangement.h"
#include "support/FaultLog.h"

TAutoScroll::TAutoScroll(TTheRoom& room, AudioHooks& audio, bool followTheLine)
    : FollowTheLine(followTheLine), m_room(room), m_audio(audio) {
    ScrollTimer.setInterval(kScrollIntervalMs);
    DelayTimer.setInterval(kDelayIntervalMs);
    QObject::connect(&ScrollTimer, &QTimer::timeout, [this] { ScrollTick(); });
    QObject::connect(&DelayTimer, &QTimer::timeout, [this] { DelayTick(); });
}

void TAutoScroll::StopAutoScroll() {
    try {
        ScrollTimer.stop();
        Rearm();
    } catch (const std::exception& e) {
        GBX_FAULT_CAUGHT("TAutoScroll.StopAutoScroll", e);
    }
}

void TAutoScroll::Rearm() {
    if (!FollowTheLine)
        return;
    const TRoomState& room = m_room.Model().room;
    LineCanLeave = m_room.Line().Position() >= room.EndFlag().Position ||
                   room.EndFlag().PixelX > m_room.BoundsRect.Right;
    if (m_audio.Playing() || Rewinding) {
        DelayTimer.stop();
        DelayTimer.start();
    }
}

void TAutoScroll::Disable() {
    ScrollTimer.stop();
    DelayTimer.stop();
}

void TAutoScroll::ToggleFollow() {
    FollowTheLine = !FollowTheLine;
    if (FollowTheLine)
        Rearm();
    else
        Disable();
}

void TAutoScroll::DelayTick() {
    try {
        DelayTimer.stop();
        ScrollTimer.start();
    } catch (const std::exception& e) {
        GBX_FAULT_CAUGHT("EnableAutoScrollTimer", e);
    }
}

void TAutoScroll::ScrollTick() {
    try {
        const int32_t right = m_room.BoundsRect.Right;
        const int32_t lineX = m_room.Line().PixelX;
        if (LineCanLeave && lineX >= right - kNearRightEdge && lineX < right) {
            m_room.MovePointByKey(Qt::Key_Right, ShiftState{false, false, true}, kPageColumns);
        } else if (Rewinding) {
            if (m_room.Model().room.StartFlag().PixelX < m_room.BoundsRect.Left - 1)
                m_room.MovePointByKey(Qt::Key_Left, ShiftState{false, false, true}, kPageColumns);
            else
                Rewinding = false;
        }
    } catch (const std::exception& e) {
        GBX_FAULT_CAUGHT("AutoScrollTimer", e);
    }
}
