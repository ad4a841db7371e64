// What the ruler and the carrier ask of the pop-up menus.
#pragma once

#include <QPoint>

// The menus implement it (MenusStandIn until they exist). UI thread only.
class MenuLink {
public:
    virtual ~MenuLink() = default;

    // The ruler's own menu, at a point of the window's client area.
    virtual void OpenRulerMenu(QPoint at) = 0;
    // The main menu, from the program's icon on the ruler in full-screen mode; the menu side
    // opens nothing when its menu closed less than 101 ms ago.
    virtual void OpenMainMenuFromIcon() = 0;
    // The carrier's menu, at a point of the window's client area.
    virtual void OpenCarrierMenu(QPoint at) = 0;
};
