// What each menu holds, in order: the main pop-up, the window pop-up, their sub-menus and the
// context menus.
#pragma once

#include "commands/CommandIds.h"
#include "commands/MenusItems.h"

namespace menus {

MenuEntries MainPopupEntries();
MenuEntries WindowPopupEntries();

// The lane and ball menus as context menus of their own.
MenuEntries LaneMenuEntries();
MenuEntries BallMenuEntries();
// The context menus of the controls.
MenuEntries LaneStripMenuEntries();
MenuEntries RulerMenuEntries();
MenuEntries WatchMenuEntries();
MenuEntries CarrierMenuEntries();
MenuEntries SliderMenuEntries();
MenuEntries PeakMeterMenuEntries();
// The room where no ball stands at the point.
MenuEntries RoomMenuEntries();
MenuEntries ReportMenuEntries();

} // namespace menus
