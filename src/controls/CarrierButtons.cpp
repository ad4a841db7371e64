// The carrier's face: painting its buttons, the layout, and pressing buttons with the mouse.
#include "controls/TheCarrier.h"

#include "controls/CarrierLink.h"
#include "controls/Interior.h"
#include "controls/MenuLink.h"
#include "model/Arrangement.h"

#include <QPainter>

namespace {

// Each button's X offset and hit width in the style, in button order.
struct ButtonGeometry {
    int32_t CarrierStyle::*x;
    int32_t CarrierStyle::*width;
};
constexpr ButtonGeometry kGeometry[] = {{&CarrierStyle::RollX, &CarrierStyle::RollWidth},
                                        {&CarrierStyle::PauseX, &CarrierStyle::PauseWidth},
                                        {&CarrierStyle::SettleX, &CarrierStyle::SettleWidth},
                                        {&CarrierStyle::PastX, &CarrierStyle::PastWidth},
                                        {&CarrierStyle::FutureX, &CarrierStyle::FutureWidth}};

const ButtonGeometry& geometry(CarrierButton button) {
    return kGeometry[static_cast<int>(button)];
}

// (held ∪ on) ∖ off
ShiftState adjusted(ShiftState held, ShiftState on, ShiftState off) {
    return {(held.shift || on.shift) && !off.shift, (held.alt || on.alt) && !off.alt,
            (held.ctrl || on.ctrl) && !off.ctrl};
}

} // namespace

QRect StyleButtonBox(const CarrierStyle& style, CarrierButton button) {
    return QRect(style.*geometry(button).x, style.TriggerY, style.TriggerWidth,
                 TTheCarrier::kButtonHeight);
}

int32_t TTheCarrier::ButtonX(CarrierButton button) const {
    if (button == CarrierButton::None || !List.Interior)
        return -1;
    return List.Interior->Style().Carrier.*geometry(button).x;
}

CarrierButton TTheCarrier::ButtonAt(int32_t x, int32_t y) const {
    if (!List.Interior || y <= BoundsRect.Top + kHitTop || y >= BoundsRect.Top + kHitBottom)
        return CarrierButton::None;
    const CarrierStyle& style = List.Interior->Style().Carrier;
    for (const CarrierButton button : kCarrierButtons) {
        const int32_t left = BoundsRect.Left + ButtonX(button);
        if (left + 1 < x && x < left + style.*geometry(button).width)
            return button;
    }
    return CarrierButton::None;
}

void TTheCarrier::Resize() {
    PlaceOnBottomRow({&TTheInterior::Lanes, &TTheInterior::Watch}, kWidth, kHeight);
    TCtrl::Resize();
}

CarrierLook TTheCarrier::look() const {
    CarrierLook look;
    look.rollLit = m_rolling || m_paused;
    look.pauseLit = m_paused;
    for (const CarrierButton button : kCarrierButtons)
        if (m_downX >= 0 && ButtonX(button) == m_downX)
            look.down = button;
    return look;
}

void TTheCarrier::Paint() {
    DrawingSurfaces& surfaces = List.Surfaces;
    if (!Visible || !List.Interior || surfaces.CompositionBitmap.isNull())
        return;
    const TTheInterior& in = *List.Interior;
    const CarrierStyle& style = in.Style().Carrier;
    const QPoint topLeft(BoundsRect.Left, BoundsRect.Top);
    const CarrierLook now = look();
    QPainter painter(&surfaces.CompositionBitmap);
    const QImage& normal = in.Bitmaps().Image(QStringLiteral("Carrier.bmp"));
    if (normal.isNull()) {
        DrawBuiltInCarrier(painter, topLeft, QSize(Width, Height), style,
                           m_arrangement.room.Point.Colour, now);
    } else {
        painter.drawImage(topLeft, normal);
        const auto drawButton = [&](CarrierButton button, const QImage& source) {
            const QRect box = StyleButtonBox(style, button);
            painter.drawImage(topLeft + box.topLeft(), source, box);
        };
        const QImage& lit = in.Bitmaps().Image(QStringLiteral("Carrier_Alt.bmp"));
        if (now.rollLit)
            drawButton(CarrierButton::Roll, lit);
        if (now.pauseLit)
            drawButton(CarrierButton::Pause, lit);
        if (now.down != CarrierButton::None)
            drawButton(now.down, in.Bitmaps().Image(QStringLiteral("Carrier_Down.bmp")));
    }
    if (Dimmed)
        surfaces.DimBlend(painter, BoundsRect.ToQRect());
    painter.end();
    Present();
}

void TTheCarrier::ShowDown(int32_t x) {
    m_downX = x;
    Paint();
}

void TTheCarrier::MouseDown(MouseButton button, int32_t x, int32_t y, ShiftState shift) {
    TCtrl::MouseDown(button, x, y, shift);
    m_pressed = button;
    if (button != MouseButton::Left)
        return;
    const CarrierButton hit = ButtonAt(x, y);
    if (hit == CarrierButton::None)
        return;
    m_downX = ButtonX(hit);
    switch (hit) {
    case CarrierButton::Roll:
        pressRoll(shift);
        break;
    case CarrierButton::Pause:
        if (m_paused || !m_settled)
            PauseToggle();
        break;
    case CarrierButton::Settle:
        Settle();
        break;
    case CarrierButton::Past:
        // With Alt the view scrolls instead: up with Ctrl too, else left.
        if (shift.alt && shift.ctrl)
            sendKey(Qt::Key_Up, shift, {false, false, true}, {false, true, false});
        else if (shift.alt)
            sendKey(Qt::Key_Left, shift, {false, false, true}, {});
        else
            sendKey(kKeypadDivide, shift, {}, {});
        break;
    case CarrierButton::Future:
        if (shift.alt && shift.ctrl)
            sendKey(Qt::Key_Down, shift, {false, false, true}, {false, true, false});
        else if (shift.alt)
            sendKey(Qt::Key_Right, shift, {false, false, true}, {});
        else
            sendKey(kKeypadMultiply, shift, {}, {});
        break;
    case CarrierButton::None:
        break;
    }
    Paint();
}

void TTheCarrier::pressRoll(ShiftState shift) {
    if (shift.alt)
        PauseToggle();
    else if (m_rolling)
        Roll(true, RollPosition()); // again from the roll mark
    else if (m_paused)
        PauseToggle();
    else
        RollHere(true);
}

void TTheCarrier::sendKey(int key, ShiftState shift, ShiftState on, ShiftState off) {
    m_repeatKey = key;
    m_repeatOn = on;
    m_repeatOff = off;
    m_link.SendKey(key, adjusted(shift, on, off));
    m_link.RunRepeat(kRepeatDelayMs);
}

void TTheCarrier::RepeatTick() {
    if (!holdsPress()) {
        endPress();
        return;
    }
    m_link.RunRepeat(kRepeatIntervalMs);
    m_link.SendKey(m_repeatKey, adjusted(m_link.Modifiers(), m_repeatOn, m_repeatOff));
}

bool TTheCarrier::holdsPress() const {
    return List.CapturedCtrl == this && Visible && m_link.WindowActive();
}

void TTheCarrier::endPress() {
    m_pressed = MouseButton::None;
    m_link.StopRepeat();
    ShowDown(-1);
}

void TTheCarrier::MouseUp(int32_t x, int32_t y) {
    TCtrl::MouseUp(x, y);
    if (m_pressed == MouseButton::Right) {
        m_pressed = MouseButton::None;
        m_menus.OpenCarrierMenu(QPoint(x, y));
        return;
    }
    endPress();
}
