// From the id chosen in a main menu to what it does.
#pragma once

#include "commands/MenusItems.h"

// What a chosen id may reach. UI thread only.
class MenuRoutes {
public:
    virtual ~MenuRoutes() = default;

    // The id's own command; false when it has none.
    virtual bool RunCommand(int id) = 0;
    virtual void SelectStyle(int index) = 0;
    virtual void SelectLanguage(int index) = 0;
    // -1 the default device, 0 no sound, k the system's device k.
    virtual void SelectOutputDevice(int device) = 0;
    // Full-screen mode while the window is not minimised.
    virtual bool ShownFullScreen() const = 0;
    virtual void LeaveFullScreen() = 0;
    // The lane and the ball at the point when the menu opened.
    virtual bool HasCurrentLane() const = 0;
    virtual bool HasCurrentBall() const = 0;
    virtual void LaneCommand(int id) = 0;
    virtual void BallCommand(int id) = 0;
};

// The numbered lists as they were built.
struct MenuLists {
    // 224 + the number of languages; the device items count from it.
    int languageBase = 224;
    // The first device number the audio library did not report.
    int firstMissingDevice = 1;
};

// Ids that mean a lane or a ball by the way they were reached, and ids of balls alone.
bool IsSharedLaneBallId(int id);
bool IsBallOnlyId(int id);

// Runs the id chosen through `via`; false when the id is left to the platform (the window
// commands, and ids no route accepts).
bool DispatchCommand(int id, ActivePopup via, const MenuLists& lists, MenuRoutes& routes);
