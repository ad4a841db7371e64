// The room as a control: its bounds, its painting, the mouse, and what it draws over the window.
#include "controls/TheRoom.h"

#include "controls/BallLink.h"
#include "controls/ControlHost.h"
#include "controls/DrawingSurfaces.h"
#include "controls/FlagPainter.h"
#include "controls/Interior.h"
#include "controls/MenuLink.h"
#include "controls/RoomPainter.h"
#include "controls/TheRuler.h"
#include "controls/TransportLink.h"
#include "controls/WatchLink.h"
#include "model/Arrangement.h"

#include <QPainter>
#include <QPolygon>

#include <utility>

namespace {

constexpr int32_t kLaneStripWidth = 120;

int32_t meterWidth(const std::unique_ptr<TThePeakMeter>& meter) {
    return meter ? meter->Width : 0;
}

} // namespace

TTheRoom* TheRoomOf(const TTheInterior& interior) {
    return dynamic_cast<TTheRoom*>(interior.Room);
}

TTheRoom::TTheRoom(TCtrlList& list, const RoomLinks& links)
    : TCtrl(list), TimeSegments(links.settings.timeSegments), RugVisible(links.settings.rugVisible),
      m_links(links), m_line(*this, links.mixer, links.settings.paintOverLanes),
      m_autoScroll(*this, links.arrangement.audio, links.settings.followTheLine) {
    TTheFlags& flags = Model().room.Flags;
    flags.FlagsShown = links.settings.flagsShown;
    flags.HandlesShown = links.settings.flagHandlesShown;
}

const StyleTables& TTheRoom::Style() const {
    return List.Interior->Style();
}

RoomNeighbours TTheRoom::Neighbours() const {
    return NeighboursOf(*List.Interior, *this);
}

TTheRuler* TTheRoom::Ruler() const {
    return dynamic_cast<TTheRuler*>(List.Interior->Ruler);
}

void TTheRoom::ToggleRug() {
    RugVisible = !RugVisible;
    RepaintWhole();
}

void TTheRoom::ToggleFlagsShown() {
    TTheFlags& flags = Model().room.Flags;
    flags.FlagsShown = !flags.FlagsShown;
    RepaintWhole();
    if (TTheRuler* ruler = Ruler(); ruler && ruler->Visible)
        ruler->UpdateRuler();
}

int64_t TTheRoom::LastVisibleColumn() const {
    return int64_t{Width / kCellSize} - Model().room.OffsetX - 1;
}

int64_t TTheRoom::LastVisibleRow() const {
    return int64_t{Height / kCellSize} - Model().room.OffsetY - 1;
}

void TTheRoom::Resize() {
    const TTheInterior& in = *List.Interior;
    const TLayoutRect& layout = List.Host.LayoutRect();
    const int32_t left = layout.Left + meterWidth(in.MeterL);
    const bool rulerShown = in.Ruler && in.Ruler->Visible;
    const int32_t top = rulerShown ? in.Ruler->BoundsRect.Bottom : layout.Top;
    const bool lanesShown = in.Lanes && in.Lanes->Visible;
    BoundsRect = {lanesShown ? left + kLaneStripWidth : left, top,
                  layout.Right - meterWidth(in.MeterR), layout.Bottom};
    if (in.Lanes) { // the lane strip stands left of the room, or where the room starts
        in.Lanes->BoundsRect = {left, top, left + kLaneStripWidth, layout.Bottom};
        in.Lanes->TCtrl::Resize();
    }
    TCtrl::Resize();
    TRoomState& room = Model().room;
    room.Left = BoundsRect.Left;
    room.Top = BoundsRect.Top;
    RecomputePixels();
    m_line.ForgetPainted();
}

void TTheRoom::RecomputePixels() {
    TRoomState& room = Model().room;
    room.RecomputeFlagPixels();
    room.PlaceStartEndCaptions();
    room.RecomputePointPixels();
}

void TTheRoom::ColourStartAndEndFlags() {
    ::ColourStartAndEndFlags(Model().room, Style().Flags, m_links.transport.RoundRobin());
}

QRegion TTheRoom::ownRegion() const {
    QRegion region(BoundsRect.ToQRect());
    const TTheInterior& in = *List.Interior;
    for (const TCtrl* cover : {in.Slider, in.Carrier, in.Watch})
        if (cover && cover->Visible)
            region -= cover->BoundsRect.ToQRect();
    return region;
}

void TTheRoom::paintArea(const QRect& area) {
    QImage& composition = List.Surfaces.CompositionBitmap;
    if (composition.isNull())
        return;
    const QRegion clip = ownRegion() & area;
    if (clip.isEmpty())
        return;
    ColourStartAndEndFlags();
    const RoomPainter painter(Model(), BoundsRect, m_pictures, List.Interior->Bitmaps(),
                              TimeSegments, RugVisible);
    QPainter p(&composition);
    p.setClipRegion(clip);
    painter.PaintCells(p, area);
    painter.PaintLengthMarks(p, area);
    PaintFlags(p, Model().room, Neighbours(), area,
               FlagCaptionFont(List.Interior->RulerFontFamily));
    if (Dimmed)
        List.Surfaces.DimBlend(p, area & BoundsRect.ToQRect());
}

void TTheRoom::Paint() {
    paintArea(BoundsRect.ToQRect());
}

void TTheRoom::RepaintWhole() {
    Paint();
    Present();
}

void TTheRoom::RepaintRow(int32_t y, const TBall* second) {
    const auto repaint = [this](const QRect& rect) {
        const QRect inside = rect & BoundsRect.ToQRect();
        if (inside.isEmpty())
            return;
        paintArea(inside);
        List.Host.CopyToWindow(inside);
    };
    const TRoomState& room = Model().room;
    const int64_t row = int64_t{y} + room.OffsetY;
    if (row >= 0 && row <= Height / kCellSize)
        repaint(QRect(BoundsRect.Left, BoundsRect.Top + static_cast<int>(row) * kCellSize, Width,
                      kCellSize));
    if (second) {
        const int64_t column = int64_t{second->X()} + room.OffsetX;
        const int64_t secondRow = int64_t{second->Y()} + room.OffsetY;
        if (column >= 0 && column <= Width / kCellSize && secondRow >= 0 &&
            secondRow <= Height / kCellSize)
            repaint(QRect(BoundsRect.Left + static_cast<int>(column) * kCellSize,
                          BoundsRect.Top + static_cast<int>(secondRow) * kCellSize, kCellSize,
                          kCellSize));
    }
}

void TTheRoom::MouseDown(MouseButton button, int32_t x, int32_t y, ShiftState shift) {
    TCtrl::MouseDown(button, x, y, shift);
    TRoomState& room = Model().room;
    if (List.Host.MoveAllCursorShown()) {
        m_dragging = true;
        m_dragMouse = QPoint(x, y);
        m_dragAccumulator = QPoint(ClampToInt32(int64_t{room.OffsetX} * kCellSize),
                                   ClampToInt32(int64_t{room.OffsetY} * kCellSize));
        return;
    }
    if (m_links.watch.Typing()) {
        m_links.watch.EndTyping();
        return;
    }
    const int32_t column = ColumnAt(x);
    const int32_t row = RowAt(y);
    bool changed = false;
    if (!shift.ctrl && button == MouseButton::Left)
        changed = m_links.balls.PlaceBall(column, row, shift.alt, *this) != nullptr;
    else if (!shift.ctrl && button == MouseButton::Right)
        changed = m_links.balls.RemoveBallAtCell(column, row, kChangeBallRemoved, *this);
    else if (button == MouseButton::Right)
        m_menuPressed = true;
    const int64_t cellX = int64_t{column} - room.OffsetX;
    const int64_t cellY = int64_t{row} - room.OffsetY;
    // A click in the partly shown last column or row brings it into view.
    SetOffsets(ClampToInt32(cellX > LastVisibleColumn() ? int64_t{room.OffsetX} - 1 : room.OffsetX),
               ClampToInt32(cellY > LastVisibleRow() ? int64_t{room.OffsetY} - 1 : room.OffsetY));
    if (!MovePointTo(ClampToInt32(cellX), ClampToInt32(cellY)) && changed)
        PaintPoint();
}

void TTheRoom::CapturedMouseMove(MouseButton pressed, int32_t x, int32_t y, ShiftState shift) {
    (void)shift;
    if (m_dragging || BoundsRect.Contains(x, y)) {
        if (pressed != MouseButton::None && m_dragging)
            drag(x, y);
        return;
    }
    MouseMove(x, y);
}

void TTheRoom::drag(int32_t x, int32_t y) {
    m_dragAccumulator += QPoint(x, y) - m_dragMouse;
    m_dragMouse = QPoint(x, y);
    // The view follows the mouse a column (row) for every 20 pixels, switching half-way.
    const auto cells = [](int pixels) {
        const int shifted = pixels + kCellSize / 2;
        return shifted >= 0 ? shifted / kCellSize : -((-shifted + kCellSize - 1) / kCellSize);
    };
    SetOffsets(cells(m_dragAccumulator.x()), cells(m_dragAccumulator.y()));
}

void TTheRoom::MouseUp(int32_t x, int32_t y) {
    m_dragging = false;
    TCtrl::MouseUp(x, y);
    // The press moved the point to the cell: the menu is that cell's.
    if (std::exchange(m_menuPressed, false))
        m_links.menus.OpenBallMenu(QPoint(x, y));
}

void TTheRoom::ResetLinePainting() {
    m_line.ForgetPainted();
}

QRect TTheRoom::laneMarkerRect() const {
    const TTheInterior& in = *List.Interior;
    if (!in.Lanes || !in.Lanes->Visible)
        return {};
    return QRect(in.Lanes->BoundsRect.Left + kLanesMarkerX, Model().room.Point.PixelY + 4, 11, 11);
}

void TTheRoom::requestPoint() {
    const TThePoint& point = Model().room.Point;
    List.Host.CopyToWindow(QRect(point.PixelX, point.PixelY, kCellSize, kCellSize));
    if (const TTheRuler* ruler = Ruler(); ruler && ruler->Visible)
        List.Host.CopyToWindow(ruler->PointMarkerRect());
    if (const QRect lanes = laneMarkerRect(); lanes.isValid())
        List.Host.CopyToWindow(lanes);
}

void TTheRoom::PaintPoint() {
    requestPoint();
}

bool TTheRoom::HidePoint() {
    if (m_pointHidden)
        return false;
    m_pointHidden = true;
    requestPoint();
    return true;
}

bool TTheRoom::ShowPoint() {
    if (!m_pointHidden)
        return false;
    m_pointHidden = false;
    requestPoint();
    return true;
}

void TTheRoom::PaintOverWindow(QPainter& painter) {
    const TThePoint& point = Model().room.Point;
    const QColor outline = ToQColor(ShownColour(point.Colour));
    painter.save();
    if (!m_pointHidden) {
        painter.setClipRegion(ownRegion(), Qt::IntersectClip);
        const int x = point.PixelX + 2;
        const int y = point.PixelY + 2;
        painter.fillRect(x, y, 16, 1, outline);
        painter.fillRect(x, y + 15, 16, 1, outline);
        painter.fillRect(x, y, 1, 16, outline);
        painter.fillRect(x + 15, y, 1, 16, outline);
    }
    painter.restore();
    if (const QRect lanes = laneMarkerRect(); lanes.isValid()) {
        const PointStyle& style = Style().Point;
        painter.save();
        painter.setClipRect(List.Interior->Lanes->BoundsRect.ToQRect(), Qt::IntersectClip);
        painter.setPen(ToQColor(ShownColour(style.LanesMarkerOutline)));
        painter.setBrush(ToQColor(ShownColour(style.LanesMarkerBG)));
        const int x = lanes.left() - 4;
        const int y = lanes.top() - 4;
        painter.drawPolygon(
            QPolygon({QPoint(x + 4, y + 4), QPoint(x + 9, y + 9), QPoint(x + 4, y + 14)}));
        painter.restore();
    }
    if (TTheRuler* ruler = Ruler(); ruler && ruler->Visible)
        ruler->PaintThePointMarker(painter);
    m_line.PaintOver(painter);
}
