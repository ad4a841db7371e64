// Stands in for the pop-up menus until they exist.
#pragma once

#include "controls/MenuLink.h"

// There are no menus yet, so a request opens nothing. UI thread only.
class MenusStandIn : public MenuLink {
public:
    void OpenRulerMenu(QPoint) override {}
    void OpenMainMenuFromIcon() override {}
    void OpenSliderMenu(QPoint) override {}
    void OpenPeakMeterMenu(QPoint) override {}
    void OpenMainMenu(QRect) override {}
    std::optional<std::chrono::steady_clock::time_point> MainMenuClosedAt() const override {
        return std::nullopt;
    }
    void OpenCarrierMenu(QPoint) override {}
};
