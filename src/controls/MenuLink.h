// What the window's controls ask of the pop-up menus.
#pragma once

#include <QPoint>
#include <QRect>

#include <chrono>
#include <cstdint>
#include <optional>

// The menus implement it. UI thread only.
class MenuLink {
public:
    virtual ~MenuLink() = default;

    // The ruler's own menu, at a point of the window's client area.
    virtual void OpenRulerMenu(QPoint at) = 0;
    // The main menu, from the program's icon on the ruler in full-screen mode; the menu side
    // opens nothing when its menu closed less than 101 ms ago.
    virtual void OpenMainMenuFromIcon() = 0;
    // The slider's own menu, at a point of the window's client area.
    virtual void OpenSliderMenu(QPoint at) = 0;
    // The master meters' menu, at a point of the window's client area.
    virtual void OpenPeakMeterMenu(QPoint at) = 0;
    // The main menu below the menu trigger's rectangle (client area); returns once it closed.
    virtual void OpenMainMenu(QRect trigger) = 0;
    // When the main menu last closed; none while it never opened.
    virtual std::optional<std::chrono::steady_clock::time_point> MainMenuClosedAt() const = 0;
    // The carrier's menu, at a point of the window's client area.
    virtual void OpenCarrierMenu(QPoint at) = 0;
    // The lane menu for the lane at that position, at a point of the window's client area.
    virtual void OpenLaneMenu(QPoint at, int32_t lanePosition) = 0;
    // The lane strip's own menu, for a row without a lane.
    virtual void OpenLaneStripMenu(QPoint at) = 0;
    // The watch's menu, at a point of the window's client area.
    virtual void OpenWatchMenu(QPoint at) = 0;
    // The menu of the ball at the point, or the room's own where no ball is there, at a point of
    // the window's client area.
    virtual void OpenBallMenu(QPoint at) = 0;
};
