// The menu trigger: a 20 x 20 button at the top right of the window that opens the main menu.
#pragma once

#include "controls/Ctrl.h"

#include <chrono>
#include <functional>

class MenuLink;
class TTheInterior;

// Drawn straight into the composition; shown pressed while its menu is open. UI thread only.
class TTheMenuTrigger : public TCtrl {
public:
    using Clock = std::chrono::steady_clock;

    TTheMenuTrigger(TCtrlList& list, MenuLink& menus);

    static constexpr int32_t kSize = 20;
    // A press this soon after the main menu closed is the press that closed it: it opens
    // nothing.
    static constexpr std::chrono::milliseconds kReopenPause{100};

    bool Highlighted = false;
    // Tests give a clock of their own.
    std::function<Clock::time_point()> Now = [] { return Clock::now(); };

    // Paints and presents the trigger lit or not.
    void SetHighlighted(bool on);

    // TCtrl
    void Paint() override;
    void Resize() override;
    // Left or right: the main menu opens below the trigger, unless it has just closed.
    void MouseDown(MouseButton button, int32_t x, int32_t y, ShiftState shift) override;

private:
    bool rulerDimmed() const;

    MenuLink& m_menus;
};

// The interior's menu trigger, or none.
TTheMenuTrigger* TheMenuTriggerOf(const TTheInterior& interior);

struct ControlMakers;
// Sets the maker of the menu trigger.
void AddMenuTrigger(ControlMakers& makers, MenuLink& menus);
