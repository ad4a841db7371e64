// What each menu holds, in order: the main pop-up, the window pop-up, their sub-menus and the
// context menus.
#pragma once

#include "commands/CommandIds.h"
#include "commands/MenusItems.h"

namespace menus {

// Ids the builder and the refresh rules look up beside those of cmd::.
constexpr int kLengthMenu = 1183;
// The render items that come and go at the end of the plan menu.
constexpr int kStopRender = 1201;
constexpr int kPauseRendering = 1202;
constexpr int kResumeRendering = 1203;
constexpr int kDefaultDevice = 1175;
constexpr int kNoSound = 1176;

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
