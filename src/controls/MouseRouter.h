// Routes the main window's mouse events to its controls: press, capture, hover and leave.
#pragma once

#include "controls/MouseInput.h"

#include <cstdint>
#include <vector>

class TCtrl;
class TCtrlList;

struct HitCandidate {
    TCtrl* control = nullptr;
    bool evenWhenHidden = false; // tested without looking at Visible
};

// Controls get client coordinates. UI thread only.
class MouseRouter {
public:
    explicit MouseRouter(TCtrlList& list) : m_list(list) {}

    // The order in which a press looks for its control, and the controls a free mouse can
    // hover, first match first. Controls that do not exist are left out.
    void SetOrders(std::vector<HitCandidate> pressOrder, std::vector<TCtrl*> hoverOrder);

    // The first candidate containing the point receives the press; returns it, or none.
    TCtrl* MouseDown(MouseButton button, int32_t x, int32_t y, ShiftState shift);
    // To the captured control wherever the mouse is; else the hovered one, with a leave for the
    // one hovered before.
    void MouseMove(int32_t x, int32_t y, ShiftState shift);
    // To the captured control; false when none held the mouse. The pressed button is forgotten.
    bool MouseUp(int32_t x, int32_t y);
    // The mouse left the client area.
    void MouseLeave();

    MouseButton PressedButton = MouseButton::None;

private:
    TCtrl* hoverTarget(int32_t x, int32_t y) const;

    TCtrlList& m_list;
    std::vector<HitCandidate> m_pressOrder;
    std::vector<TCtrl*> m_hoverOrder;
};
