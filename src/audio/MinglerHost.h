// What the mingler asks of the window side: the carrier, the line, the fade-in and the task bar.
#pragma once

#include "model/Units.h"

// The window side implements it over the carrier (CarrierHost); a run without a window uses
// HeadlessMinglerHost.
class MinglerHost {
public:
    virtual ~MinglerHost() = default;

    // UI thread.
    virtual bool CarrierRolls() const = 0;
    virtual bool CarrierSettling() const = 0;
    virtual Elements LinePosition() const = 0;
    virtual void StopCarrier() = 0;
    virtual void RollCarrierFrom(Elements position) = 0;
    virtual void CarrierJumpTo(Elements position) = 0;
    virtual void RepaintRoom() = 0;
    // The mix stream stopped by itself.
    virtual void StreamEnded() = 0;
    // The start-up fade-in: pending for the first roll; once started, its timer runs the volume.
    virtual bool FadeInPending() const = 0;
    virtual void StartFadeIn() = 0;
    virtual bool FadeRunning() const = 0;
    virtual long double FadeLevel() const = 0;

    // Any thread, the syncs included: single writes that the UI thread reads on its next tick,
    // or work posted to the UI thread. Never blocks.
    virtual bool Closing() const = 0;
    // Mixing thread, under the mixer lock: the mix wrapped to `start`; the line's highest
    // position is `start` and the view rewinds.
    virtual void LineWrapped(Elements start) = 0;
    // Sync thread, under the mixer lock: what is heard now wrapped; the line counts from `start`.
    virtual void LineBaseReset(Elements start) = 0;
    // Sync thread: the range end was heard; the task-bar progress starts over.
    virtual void RangeEndHeard() = 0;
};
