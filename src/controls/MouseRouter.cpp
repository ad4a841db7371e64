// Hit tests in fixed orders; the captured control takes every move and the release.
#include "controls/MouseRouter.h"

#include "controls/Ctrl.h"

void MouseRouter::SetOrders(std::vector<HitCandidate> pressOrder, std::vector<TCtrl*> hoverOrder) {
    std::erase_if(pressOrder, [](const HitCandidate& c) { return c.control == nullptr; });
    std::erase(hoverOrder, nullptr);
    m_pressOrder = std::move(pressOrder);
    m_hoverOrder = std::move(hoverOrder);
}

TCtrl* MouseRouter::MouseDown(MouseButton button, int32_t x, int32_t y, ShiftState shift) {
    PressedButton = button;
    for (const HitCandidate& candidate : m_pressOrder) {
        TCtrl& control = *candidate.control;
        if ((candidate.evenWhenHidden || control.Visible) && control.BoundsRect.Contains(x, y)) {
            control.MouseDown(button, x, y, shift);
            return &control;
        }
    }
    return nullptr;
}

void MouseRouter::MouseMove(int32_t x, int32_t y, ShiftState shift) {
    if (TCtrl* captured = m_list.CapturedCtrl) {
        captured->CapturedMouseMove(PressedButton, x, y, shift);
        return;
    }
    TCtrl* hovered = hoverTarget(x, y);
    if (hovered != m_list.HoveredCtrl && m_list.HoveredCtrl)
        m_list.HoveredCtrl->MouseLeave();
    m_list.HoveredCtrl = hovered;
    if (hovered)
        hovered->MouseMove(x, y);
}

bool MouseRouter::MouseUp(int32_t x, int32_t y) {
    TCtrl* captured = m_list.CapturedCtrl;
    if (captured)
        captured->MouseUp(x, y);
    PressedButton = MouseButton::None;
    return captured != nullptr;
}

void MouseRouter::MouseLeave() {
    if (TCtrl* hovered = m_list.HoveredCtrl) {
        m_list.HoveredCtrl = nullptr;
        hovered->MouseLeave();
    }
}

TCtrl* MouseRouter::hoverTarget(int32_t x, int32_t y) const {
    for (TCtrl* control : m_hoverOrder)
        if (control->Visible && control->BoundsRect.Contains(x, y))
            return control;
    return nullptr;
}
