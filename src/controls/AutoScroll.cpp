// The auto-scroll's timers and their steps.
#include "controls/AutoScroll.h"

#include "controls/TheRoom.h"
#include "model/Arrangement.h"
#include "support/FaultLog.h"

#include <algorithm>
#include <cstdlib>

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
    updateLineCanLeave();
    if (m_audio.Playing() || Rewinding) {
        DelayTimer.stop();
        DelayTimer.start();
    }
}

void TAutoScroll::updateLineCanLeave() {
    const TRoomState& room = m_room.Model().room;
    LineCanLeave = m_room.Line().Position() >= room.EndFlag().Position ||
                   room.EndFlag().PixelX > m_room.BoundsRect.Right;
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

void TAutoScroll::endRewinding() {
    Rewinding = false;
    // Back at the range's start, the line may leave the view again, whatever it could when
    // the last forward scroll left the end flag in view.
    updateLineCanLeave();
}

int32_t TAutoScroll::pagesToFollow() const {
    const int64_t lineX = m_room.Line().PixelX;
    const int64_t right = m_room.BoundsRect.Right;
    const int64_t left = int64_t{m_room.BoundsRect.Left} - 1;
    const int64_t page = int64_t{kPageColumns} * TTheRoom::kCellSize;
    // Beyond the right edge the line lands in the room's first page, so that it stays in view
    // for as long as the room is wide before the next check may come.
    if (lineX >= right)
        return ClampToInt32(std::max<int64_t>(1, (lineX - m_room.BoundsRect.Left) / page));
    if (lineX >= right - kNearRightEdge)
        return 1;
    if (lineX < left)
        return ClampToInt32(-((left - lineX + page - 1) / page));
    return 0;
}

void TAutoScroll::ScrollTick() {
    try {
        const int32_t pages = LineCanLeave ? pagesToFollow() : 0;
        // While the room rewinds to the range's start the line is not chased to the right: the
        // wrap is set as the mix is made, ahead of the line that is heard.
        if (pages < 0 || (pages > 0 && !Rewinding)) {
            // One scroll of all the pages: a line that crossed the room during the pause, or
            // jumped out of it, comes into view with a single repaint. Shown where the roll
            // went on after a wrap, it leaves the rewind nothing to do.
            Rewinding = false;
            const int key = pages > 0 ? Qt::Key_Right : Qt::Key_Left;
            const int64_t columns = int64_t{std::abs(pages)} * kPageColumns;
            m_room.MovePointByKey(key, ShiftState{false, false, true}, ClampToInt32(columns));
        } else if (Rewinding) {
            if (m_room.Model().room.StartFlag().PixelX < m_room.BoundsRect.Left - 1)
                m_room.MovePointByKey(Qt::Key_Left, ShiftState{false, false, true}, kPageColumns);
            else
                endRewinding();
        }
    } catch (const std::exception& e) {
        GBX_FAULT_CAUGHT("AutoScrollTimer", e);
    }
}
