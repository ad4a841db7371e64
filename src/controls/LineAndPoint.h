// What the main window asks of the play line and the point around a full repaint and on each
// line tick; the room, which owns both, implements it.
#pragma once

#include "model/Units.h"

class QPainter;

// UI thread only. Line updates run while the window holds the mixer lock.
class LineAndPoint {
public:
    virtual ~LineAndPoint() = default;

    // While suspended the line reads its position but does not paint.
    virtual void SuspendLinePainting(bool suspended) = 0;
    // Reads the heard position and repaints the line when its pixel column changed.
    virtual void UpdateLine() = 0;
    // Before a full repaint: the line's rectangle again; what was painted is forgotten.
    virtual void ResetLinePainting() = 0;
    virtual void PaintPoint() = 0;
    // Asks for the screen areas of the line's marker, the line and the ruler's bottom row to be
    // drawn again (they live on the screen only, not in the composition image).
    virtual void PaintLine() = 0;
    // Draws the line with its marker over what the window has just copied to the screen.
    virtual void PaintOverWindow(QPainter& painter) = 0;
    // Blinking; false when there was nothing to hide or to show.
    virtual bool HidePoint() = 0;
    virtual bool ShowPoint() = 0;
    virtual Elements LinePosition() const = 0;
    // Closing: the timers of the line's own (auto-scroll) stop.
    virtual void DisableTimers() {}
};
