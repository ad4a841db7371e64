// Auto-scroll: while the plan rolls, the room jumps a page right when the line nears its right
// edge, and scrolls back to the play range's start after the mix wrapped.
#pragma once

#include <QTimer>

#include <atomic>

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
    TTheRoom& m_room;
    AudioHooks& m_audio;
};
