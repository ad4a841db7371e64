// The ruler's cells, labels, clicks, time preview and point marker.
#include "controls/TheRuler.h"

#include "controls/BuiltInDrawings.h"
#include "controls/ControlHost.h"
#include "controls/DrawingSurfaces.h"
#include "controls/FlagPainter.h"
#include "controls/Interior.h"
#include "controls/MenuLink.h"
#include "controls/TheRoom.h"
#include "controls/TransportLink.h"
#include "model/Arrangement.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPolygon>

#include <cmath>

namespace {

int32_t meterWidth(const std::unique_ptr<TThePeakMeter>& meter) {
    return meter ? meter->Width : 0;
}

} // namespace

TTheRuler::TTheRuler(TCtrlList& list, const RoomLinks& links)
    : TCtrl(list), TickColour(kRulerTickColour), m_links(links) {}

TTheRoom* TTheRuler::room() const {
    return TheRoomOf(*List.Interior);
}

void TTheRuler::Resize() {
    const TTheInterior& in = *List.Interior;
    const TLayoutRect& layout = List.Host.LayoutRect();
    const bool trigger = in.MenuTrigger && in.MenuTrigger->Visible;
    BoundsRect = {layout.Left + meterWidth(in.MeterL), layout.Top,
                  layout.Right - meterWidth(in.MeterR) - (trigger ? kCellWidth : 0),
                  layout.Top + kHeight};
    TCtrl::Resize();
}

Elements TTheRuler::GetDestByte(int32_t x, bool exact) const {
    const Arrangement& model = m_links.arrangement;
    const TRoomState& room = model.room;
    const long double perStep = model.plan.ElementsPerStep();
    const int64_t d = int64_t{x} - room.Left;
    if (exact)
        return {(d - int64_t{room.OffsetX} * kCellWidth) * std::llround(perStep) / kCellWidth};
    const int64_t step = (d < 1 ? d - 10 : d + 10) / kCellWidth - room.OffsetX;
    return model.plan.Timing().StartOfStep(step);
}

void TTheRuler::moveFlag(bool start, Elements position) {
    Arrangement& model = m_links.arrangement;
    TRoomState& room = model.room;
    (start ? model.plan.Start : model.plan.End) = position;
    room.SetFlagPosition(start ? room.StartFlag() : room.EndFlag(), position, false);
    room.PlaceStartEndCaptions();
}

void TTheRuler::SetStartOrEnd(int32_t x, ShiftState shift, bool undoable, bool follow) {
    Arrangement& model = m_links.arrangement;
    TTheRoom* theRoom = room();
    if (shift.ctrl || shift.alt) {
        const bool start = shift.ctrl;
        const Elements previousEnd = model.plan.End;
        if (undoable)
            model.plan.SetModified(start ? kChangeStart : kChangeEnd, true);
        moveFlag(start, GetDestByte(x, shift.shift));
        if (theRoom) {
            theRoom->RepaintWhole();
            if (follow && model.room.Flags.FlagsShown)
                theRoom->SetOffsetX(
                    theRoom->OffsetToShow(start ? model.plan.Start : model.plan.End));
        }
        UpdateRuler();
        OnRoundRobinRangeChange(start, !start, previousEnd);
        return;
    }
    const long double perStep = model.plan.ElementsPerStep();
    const Elements leftmost{-std::llround((model.room.OffsetX + 5) * perStep)};
    m_links.transport.Go(!model.audio.Playing(), true,
                         std::max(GetDestByte(x, shift.shift), leftmost));
}

void TTheRuler::OnRoundRobinRangeChange(bool startChanged, bool endChanged, Elements previousEnd) {
    Arrangement& model = m_links.arrangement;
    TransportLink& transport = m_links.transport;
    const Elements start = model.plan.Start;
    const Elements end = model.plan.End;
    if (!model.audio.Playing()) {
        if (transport.Paused())
            transport.ChangeRange();
        transport.UpdatePausedTaskbarProgress();
        return;
    }
    if (!transport.RoundRobin())
        return;
    TTheRoom* theRoom = room();
    const auto live = [&] { return theRoom ? theRoom->Line().ReadPositionLocked() : Elements{}; };
    if (startChanged) {
        if (transport.Looping()) {
            transport.Go(true, true, start);
        } else if (live() >= start || start > end) {
            transport.ChangeRange();
        } else {
            transport.Roll(true, start);
        }
    }
    if (endChanged) {
        if (transport.Looping()) {
            transport.Go(true, true, start);
        } else if (live() > end) {
            transport.Roll(true, start);
        } else {
            transport.ChangeRange();
            if (end > previousEnd)
                transport.ScheduleBallsAgain();
        }
    }
}

void TTheRuler::PeekRulerTime(int32_t x) {
    const Arrangement& model = m_links.arrangement;
    const bool exact = QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier);
    const long double perSecond = 4.0L * model.plan.ElementRate.Value();
    const long double ms =
        perSecond > 0 ? std::nearbyint(GetDestByte(x, exact).count / perSecond * 1000) : 0;
    const int64_t whole = std::llabs(static_cast<int64_t>(ms));
    Peek.minutes = QString::number(whole / 60000 % 60);
    Peek.seconds = QString::number(whole / 1000 % 60);
    Peek.milliseconds = QString::number(whole % 1000);
    Peek.negative = ms < 0;
    m_links.watch.SetPainter(*this);
}

void TTheRuler::EndPeekRulerTime() {
    if (m_links.watch.CurrentPainter() == this)
        m_links.watch.RestoreChosenPainter();
}

void TTheRuler::PaintDigits(QPainter& painter) {
    m_links.watch.PaintTimeDigits(painter, Peek);
}

void TTheRuler::SwitchVisible() {
    SetVisible(!Visible);
    m_links.arrangement.room.OffsetY += Visible ? -1 : 1;
    List.Host.Relayout();
}

void TTheRuler::UpdateRuler() {
    Paint();
    Present();
}

void TTheRuler::Paint() {
    QImage& composition = List.Surfaces.CompositionBitmap;
    if (!Visible || composition.isNull())
        return;
    const TTheInterior& in = *List.Interior;
    const TRoomState& roomState = m_links.arrangement.room;
    const bool lanesShown = in.Lanes && in.Lanes->Visible;
    const int64_t phase =
        lanesShown ? int64_t{roomState.OffsetX} + 1 : int64_t{roomState.OffsetX} - 5;
    const QImage& plain = in.Bitmaps().Image("Ruler.bmp");
    const QImage& numbered = in.Bitmaps().Image("Ruler_Alt.bmp");
    QFont font(in.RulerFontFamily);
    font.setPixelSize(7); // size 5 at 96 pixels per inch

    QPainter p(&composition);
    p.setClipRect(BoundsRect.ToQRect());
    p.setFont(font);
    for (int32_t i = 0; i <= Width / kCellWidth; ++i) {
        const int32_t x = BoundsRect.Left + kCellWidth * i;
        if ((i - phase) % kLabelEvery != 0) {
            if (!plain.isNull())
                p.drawImage(x, BoundsRect.Top, plain);
            else
                DrawRulerCell(p, x, BoundsRect.Top, false, TickColour);
            continue;
        }
        if (!numbered.isNull())
            p.drawImage(x, BoundsRect.Top, numbered);
        else
            DrawRulerCell(p, x, BoundsRect.Top, true, TickColour);
        p.setPen(ToQColor(in.Style().Ruler.Text));
        const QRect label(x + 17 - 4 * kCellWidth, BoundsRect.Top + 1, 4 * kCellWidth, kHeight);
        p.drawText(label, Qt::AlignRight | Qt::AlignTop, QString::number(i - 4 - phase));
    }
    if (TTheRoom* theRoom = room()) {
        theRoom->ColourStartAndEndFlags();
        PaintFlags(p, roomState, theRoom->Neighbours(), BoundsRect.ToQRect(),
                   FlagCaptionFont(in.RulerFontFamily));
    }
    if (List.Host.FullScreen())
        paintIcon(p);
    if (Dimmed)
        List.Surfaces.DimBlend(p, BoundsRect.ToQRect());
}

void TTheRuler::paintIcon(QPainter& painter) const {
    const int32_t left = BoundsRect.Left;
    const int32_t top = BoundsRect.Top;
    painter.setPen(ToQColor(TickColour));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(left + 1, top + 15, 17, 3);
    const QIcon icon = QGuiApplication::windowIcon();
    if (!icon.isNull())
        painter.drawPixmap(left + 2, top + 2, icon.pixmap(16, 16));
}

TTheRuler::MarkerEnd TTheRuler::markerEnd() const {
    const int32_t x = m_links.arrangement.room.Point.PixelX;
    const int32_t iconWidth = List.Host.FullScreen() ? kCellWidth : 0;
    if (x < BoundsRect.Left + iconWidth)
        return MarkerEnd::Left;
    if (x <= BoundsRect.Right - kCellWidth)
        return MarkerEnd::Over;
    return MarkerEnd::Right;
}

QRect TTheRuler::PointMarkerRect() const {
    const int32_t top = BoundsRect.Top + 4;
    switch (markerEnd()) {
    case MarkerEnd::Left:
        return QRect(BoundsRect.Left + (List.Host.FullScreen() ? kCellWidth : 0) + 4, top, 11, 11);
    case MarkerEnd::Over:
        return QRect(m_links.arrangement.room.Point.PixelX + 4, top, 11, 11);
    case MarkerEnd::Right:
        break;
    }
    return QRect(BoundsRect.Left + (Width / kCellWidth - 1) * kCellWidth + 4, top, 11, 11);
}

void TTheRuler::PaintThePointMarker(QPainter& painter) const {
    const PointStyle& style = List.Interior->Style().Point;
    const QRect box = PointMarkerRect();
    const int l = box.left();
    const int t = box.top();
    QPolygon triangle;
    switch (markerEnd()) {
    case MarkerEnd::Left:
        triangle << QPoint(l + 8, t) << QPoint(l + 8, t + 10) << QPoint(l + 3, t + 5);
        break;
    case MarkerEnd::Over:
        triangle << QPoint(l, t + 5) << QPoint(l + 10, t + 5) << QPoint(l + 5, t + 10);
        break;
    case MarkerEnd::Right:
        triangle << QPoint(l + 2, t) << QPoint(l + 2, t + 10) << QPoint(l + 7, t + 5);
        break;
    }
    painter.save();
    painter.setClipRect(BoundsRect.ToQRect(), Qt::IntersectClip);
    painter.setPen(ToQColor(ShownColour(style.MarkerOutline)));
    painter.setBrush(ToQColor(ShownColour(style.MarkerBG)));
    painter.drawPolygon(triangle);
    painter.restore();
}

void TTheRuler::MouseDown(MouseButton button, int32_t x, int32_t y, ShiftState shift) {
    TCtrl::MouseDown(button, x, y, shift);
    m_pressed = button;
    if (button == MouseButton::Right)
        return;
    if (List.Host.FullScreen() && x < BoundsRect.Left + kCellWidth) {
        List.CapturedCtrl = nullptr;
        m_links.menus.OpenMainMenuFromIcon();
        return;
    }
    OnMouseDown(x, shift);
}

void TTheRuler::MouseMove(int32_t x, int32_t y) {
    (void)y;
    LastMouseX = x;
    PeekRulerTime(x);
}

void TTheRuler::MouseUp(int32_t x, int32_t y) {
    if (m_pressed == MouseButton::Right)
        m_links.menus.OpenRulerMenu(QPoint(x, y));
    m_pressed = MouseButton::None;
    TCtrl::MouseUp(x, y);
}

void TTheRuler::MouseLeave() {
    EndPeekRulerTime();
}
