// What the ruler and the room ask of the carrier and of the mingler's range handling.
#pragma once

#include "model/Units.h"

// The carrier answers it (through CarrierHost). UI thread only.
class TransportLink {
public:
    virtual ~TransportLink() = default;

    virtual bool Rolling() const = 0;
    virtual bool Paused() const = 0;
    // Moves the line (rolling from there when rolling) and scrolls the room to it.
    virtual void Go(bool repaintLine, bool remember, Elements position) = 0;
    // Rolls afresh from a position.
    virtual void Roll(bool remember, Elements position) = 0;

    // The mingler plays the play range round robin (repeat mode).
    virtual bool RoundRobin() const = 0;
    // The mingler has wrapped at least once and plays the range in a loop.
    virtual bool Looping() const = 0;
    // The play range changed under a rolling or paused mix: the mingler moves its range syncs.
    virtual void ChangeRange() = 0;
    // The range grew at its end: the balls beyond the old end are armed too.
    virtual void ScheduleBallsAgain() = 0;
    // The task-bar shows the line between the flags while nothing rolls.
    virtual void UpdatePausedTaskbarProgress() = 0;
};
