// Auto-scroll: while the plan rolls, the room jumps by pages when the line nears its right edge
// or has left it, and scrolls back to the play range's start after the mix wrapped.
#pragma once

#include <QTimer>

#include <atomic>
#include <cstdint>

class AudioHooks;
class TTheRoom;

// UI thread only, except Rewinding, which the mingler's wrap sync sets from the mixing thread.
class TAutoScroll {
public:
    TAutoScroll(TTheRoom& room, AudioHooks& audio, bool followTheLine);

    static constexpr int kScrollIntervalMs = 200;
    static constexpr int kDelayIntervalMs = 5000;
    static constexpr int kPageColumns = 18;
    static constexpr int kNearRightEdge = 80; // pixels

    std::atomic<bool> Rewinding{false};
    bool LineCanLeave = false;
    bool FollowTheLine;
    QTimer ScrollTimer; // checks the line's place and scrolls
    QTimer DelayTimer;  // turns the scroll timer on after a pause

    // The scroll timer off, then re-armed.
    void StopAutoScroll();
    // Whether the line can leave the view; while playing or rewinding the delay starts afresh.
    void Rearm();
    void Disable();
    void ToggleFollow();
    // The timers' steps, also called directly by tests.
    void DelayTick();
    void ScrollTick();

private:
    // LineCanLeave: the play range ends outside the room, or the line is past its end.
    void updateLineCanLeave();
    void endRewinding();
    // Pages of 18 columns to scroll: right (positive) when the line lies within 80 pixels of
    // the room's right edge (one page) or beyond it (as many as bring it into the room's first
    // page), left (negative) as many as bring back a line left of the room; else 0.
    int32_t pagesToFollow() const;

    TTheRoom& m_room;
    AudioHooks& m_audio;
};
