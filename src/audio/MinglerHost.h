// What the mingler asks of the window side: the carrier, the line, the fade-in and the task bar.
#pragma once

#include "model/Units.h"

// The defaults describe a program without a window (tests, scripted runs).
class MinglerHost {
public:
    virtual ~MinglerHost() = default;

    // UI thread.
    virtual bool CarrierRolls() const { return false; }
    virtual bool CarrierSettling() const { return false; }
    virtual Elements LinePosition() const { return {}; }
    virtual void StopCarrier() {}
    virtual void RollCarrierFrom(Elements position) { (void)position; }
    virtual void CarrierJumpTo(Elements position) { (void)position; }
    virtual void RepaintRoom() {}
    // The mix stream stopped by itself.
    virtual void StreamEnded() {}
    // The start-up fade-in: pending for the first roll; once started, its timer runs the volume.
    virtual bool FadeInPending() const { return false; }
    virtual void StartFadeIn() {}
    virtual bool FadeRunning() const { return false; }
    virtual long double FadeLevel() const { return 0; }

    // Any thread, the syncs included: single writes that the UI thread reads on its next tick,
    // or work posted to the UI thread. Never blocks.
    virtual bool Closing() const { return false; }
    // Mixing thread, under the mixer lock: the mix wrapped to `start`; the line's highest
    // position is `start` and the view rewinds.
    virtual void LineWrapped(Elements start) { (void)start; }
    // Sync thread, under the mixer lock: what is heard now wrapped; the line counts from `start`.
    virtual void LineBaseReset(Elements start) { (void)start; }
    // Sync thread: the range end was heard; the task-bar progress starts over.
    virtual void RangeEndHeard() {}
};
