// What the room, its flags, its line and its auto-scroll take from the program settings when the
// room is made.
#pragma once

#include <cstdint>

class TWideCustomIniFile;

struct RoomSettings {
    int32_t timeSegments = -1;    // Room/TimeSegments: columns per time segment; never 0
    bool rugVisible = true;       // Room/RugVisible: the cell pictures are shown
    bool paintOverLanes = false;  // Room/Line.PaintOverLanes: the line crosses the lane strip
    bool followTheLine = true;    // Carrier/FollowTheLine: auto-scroll keeps the line in view
    bool flagsShown = true;       // Flags/Visible
    bool flagHandlesShown = true; // Flags/Handles.Visible

    static RoomSettings FromStore(const TWideCustomIniFile& settings);
};
