// What the arrangement tells the window; the defaults do nothing, for a plan without a window.
#pragma once

class TBall;

// Called on the UI thread only.
class WindowHooks {
public:
    virtual ~WindowHooks() = default;

    // The title depends on the plan's state (modified, file name); it has to be built again.
    virtual void TitleChanged() {}
    // The timing changed: a remembered play position no longer means the same.
    virtual void ClearPendingPlayPosition() {}
    // A ball is about to be freed; the window forgets it if the mouse hovers it.
    virtual void BallRemoved(const TBall& ball) { (void)ball; }
    // The master loudness changed: the loudness slider shows it again.
    virtual void SyncLoudnessSlider() {}
    // Flags moved while shown.
    virtual void RepaintRoom() {}
};
