// What the window's key map hands to the point and to the room before its own table.
#pragma once

#include "controls/MouseInput.h"

// Keys are Qt key codes. UI thread only.
class RoomKeys {
public:
    virtual ~RoomKeys() = default;

    // The point's movement: arrows (Ctrl scrolls instead, Shift takes four cells) and A, D, W,
    // X without Ctrl; Home and End (with Ctrl: the flags); Tab and Shift+Tab for the balls.
    virtual bool PointKeyDown(int key, ShiftState shift) = 0;
    // Insert places a ball at the point, Delete removes the one there.
    virtual bool RoomKeyDown(int key, ShiftState shift) = 0;
};
