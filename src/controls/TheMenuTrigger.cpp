// The menu trigger's place, drawing and press.
#include "controls/TheMenuTrigger.h"

#include "controls/ControlHost.h"
#include "controls/DrawingSurfaces.h"
#include "controls/Interior.h"
#include "controls/MenuLink.h"

#include <QPainter>

TTheMenuTrigger::TTheMenuTrigger(TCtrlList& list, MenuLink& menus) : TCtrl(list), m_menus(menus) {}

void TTheMenuTrigger::Resize() {
    const TLayoutRect& layout = List.Host.LayoutRect();
    const TTheInterior* in = List.Interior;
    const int32_t right = layout.Right - (in && in->MeterR ? in->MeterR->Width : 0);
    BoundsRect = {right - kSize, layout.Top, right, layout.Top + kSize};
    TCtrl::Resize();
}

bool TTheMenuTrigger::rulerDimmed() const {
    const TTheInterior* in = List.Interior;
    return in && in->Ruler && in->Ruler->Dimmed;
}

void TTheMenuTrigger::Paint() {
    QImage& composition = List.Surfaces.CompositionBitmap;
    if (!Visible || composition.isNull())
        return;
    const MenuTriggerStyle style =
        List.Interior ? List.Interior->Style().MenuTrigger : MenuTriggerStyle{};
    const int32_t l = BoundsRect.Left;
    const int32_t t = BoundsRect.Top;
    const int32_t r = BoundsRect.Right;
    const int32_t b = BoundsRect.Bottom;
    QPainter painter(&composition);
    FillSpan(painter, l, t, r, b, style.Outline);
    int32_t barsX = l + 5;
    int32_t barsY = t;
    if (Highlighted) {
        FillSpan(painter, l + 2, t + 2, r - 1, b - 1, style.DownBG);
        FillSpan(painter, l + 1, t + 2, l + 2, b - 1, style.Shadow);
        FillSpan(painter, l + 1, t + 1, r - 1, t + 2, style.Shadow);
        barsX = l + 6;
        barsY = t + 1;
    } else {
        FillSpan(painter, l + 1, t + 1, r - 1, b - 1, style.OutlineHighlight);
        FillSpan(painter, l + 2, t + 2, r - 2, b - 2, style.BG);
    }
    for (int32_t dy : {6, 9, 12})
        FillSpan(painter, barsX, barsY + dy, barsX + 10, barsY + dy + 2,
                 Highlighted ? style.Down : style.Normal);
    if (rulerDimmed())
        List.Surfaces.DimBlend(painter, BoundsRect.ToQRect());
}

void TTheMenuTrigger::SetHighlighted(bool on) {
    Highlighted = on;
    Paint();
    Present();
}

void TTheMenuTrigger::MouseDown(MouseButton button, int32_t x, int32_t y, ShiftState shift) {
    TCtrl::MouseDown(button, x, y, shift);
    // The menu takes the mouse while it is open.
    List.CapturedCtrl = nullptr;
    if (button != MouseButton::Left && button != MouseButton::Right)
        return;
    if (const auto closed = m_menus.MainMenuClosedAt(); closed && Now() - *closed <= kReopenPause)
        return;
    SetHighlighted(true);
    m_menus.OpenMainMenu(BoundsRect.ToQRect());
    if (Highlighted) // a dialog from the menu may have cleared it already
        SetHighlighted(false);
}

TTheMenuTrigger* TheMenuTriggerOf(const TTheInterior& interior) {
    return dynamic_cast<TTheMenuTrigger*>(interior.MenuTrigger);
}

void AddMenuTrigger(ControlMakers& makers, MenuLink& menus) {
    makers.menuTrigger = [&menus](TCtrlList& list) -> TCtrl& {
        return list.Create<TTheMenuTrigger>(menus);
    };
}
