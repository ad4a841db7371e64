// Reading the room's settings.
#include "controls/RoomSettings.h"

#include "support/SettingKeys.h"

RoomSettings RoomSettings::FromStore(const TWideCustomIniFile& settings) {
    RoomSettings s;
    s.timeSegments = ReadSettingInt(settings, Setting("Room", "TimeSegments"));
    if (s.timeSegments == 0) // a segment of no columns would divide by zero
        s.timeSegments = 1;
    s.rugVisible = ReadSettingBool(settings, Setting("Room", "RugVisible"));
    s.paintOverLanes = ReadSettingBool(settings, Setting("Room", "Line.PaintOverLanes"));
    s.followTheLine = ReadSettingBool(settings, Setting("Carrier", "FollowTheLine"));
    s.flagsShown = ReadSettingBool(settings, Setting("Flags", "Visible"));
    s.flagHandlesShown = ReadSettingBool(settings, Setting("Flags", "Handles.Visible"));
    return s;
}
