// Reading the room's settings.
#include "controls/RoomSettings.h"

#include "support/WideMemIniFile.h"

RoomSettings RoomSettings::FromStore(const TWideCustomIniFile& settings) {
    RoomSettings s;
    s.timeSegments = settings.ReadInteger("Room", "TimeSegments", -1);
    if (s.timeSegments == 0) // a segment of no columns would divide by zero
        s.timeSegments = 1;
    s.rugVisible = settings.ReadBool("Room", "RugVisible", true);
    s.paintOverLanes = settings.ReadBool("Room", "Line.PaintOverLanes", false);
    s.followTheLine = settings.ReadBool("Carrier", "FollowTheLine", true);
    return s;
}
