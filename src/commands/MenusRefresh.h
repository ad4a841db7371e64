// The enable, tick and caption rules run each time a menu opens.
#pragma once

#include "commands/MenusFacts.h"
#include "commands/MenusItems.h"

class QMenu;

// The main pop-up and the window pop-up with all their sub-menus.
void RefreshMainMenu(QMenu& menu, const MenuState& state, const MenuIcons& icons);
// The lane menu for the lane at the point (nothing to do without one).
void RefreshLaneMenu(const QMenu& menu, const MenuState& state);
void RefreshBallMenu(const QMenu& menu, const MenuState& state, const MenuIcons& icons);
// The room's menu where no ball stands at the point.
void RefreshRoomMenu(const QMenu& menu, const MenuState& state, const MenuIcons& icons);
void RefreshLaneStripMenu(const QMenu& menu, const MenuState& state);
void RefreshRulerMenu(const QMenu& menu, const MenuState& state, const MenuIcons& icons);
void RefreshWatchMenu(const QMenu& menu, const MenuState& state, const MenuIcons& icons);
void RefreshCarrierMenu(const QMenu& menu, const MenuState& state, const MenuIcons& icons);
void RefreshSliderMenu(const QMenu& menu, const MenuState& state);
void RefreshReportMenu(const QMenu& menu, const MenuState& state);

// The position in the length sub-menu that a ball's length ticks: 0..3 for 1, 2, 4 or 8 steps,
// 5 for the whole sound, 7 for a whole number of steps, else 8 (a length in frames).
int BallLengthPosition(const BallFacts& ball, long double elementsPerStep);
// A clipboard text that reads as a number, and one that reads as a time ("1:02.500").
bool IsNumberText(const QString& text);
bool IsTimeText(const QString& text);
