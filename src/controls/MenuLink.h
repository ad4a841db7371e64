// What the ruler asks of the pop-up menus.
#pragma once

#include <QPoint>

// The menus implement it once they exist; the defaults open nothing. UI thread only.
class MenuLink {
public:
    virtual ~MenuLink() = default;

    // The ruler's own menu, at a point of the window's client area.
    virtual void OpenRulerMenu(QPoint at) { (void)at; }
    // The main menu, from the program's icon on the ruler in full-screen mode; the menu side
    // opens nothing when its menu closed less than 101 ms ago.
    virtual void OpenMainMenuFromIcon() {}
};
