// What the ruler and the room ask of the carrier and of the mingler's range handling.
#pragma once

#include "model/Units.h"

// The carrier implements it once it exists; the defaults describe a program without a carrier,
// where nothing rolls and a click on the ruler moves nothing. UI thread only.
class TransportLink {
public:
    virtual ~TransportLink() = default;

    virtual bool Rolling() const { return false; }
    virtual bool Paused() const { return false; }
    // Moves the line (rolling from there when rolling) and scrolls the room to it.
    virtual void Go(bool repaintLine, bool remember, Elements position) {
        (void)repaintLine, (void)remember, (void)position;
    }
    // Rolls afresh from a position.
    virtual void Roll(bool remember, Elements position) { (void)remember, (void)position; }

    // The mingler plays the play range round robin (repeat mode).
    virtual bool RoundRobin() const { return false; }
    // The mingler has wrapped at least once and plays the range in a loop.
    virtual bool Looping() const { return false; }
    // The play range changed under a rolling or paused mix: the mingler moves its range syncs.
    virtual void ChangeRange() {}
    // The range grew at its end: the balls beyond the old end are armed too.
    virtual void ScheduleBallsAgain() {}
    // The task-bar shows the line between the flags while nothing rolls.
    virtual void UpdatePausedTaskbarProgress() {}
};
