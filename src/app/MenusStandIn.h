// Stands in for the pop-up menus until they exist.
#pragma once

#include "controls/MenuLink.h"

// There are no menus yet, so a request opens nothing. UI thread only.
class MenusStandIn : public MenuLink {
public:
    void OpenRulerMenu(QPoint) override {}
    void OpenMainMenuFromIcon() override {}
    void OpenCarrierMenu(QPoint) override {}
};
