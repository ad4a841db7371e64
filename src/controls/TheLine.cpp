// Reading the heard position, and painting the line with the least drawing.
#include "controls/TheLine.h"

#include "controls/ControlHost.h"
#include "controls/DrawingSurfaces.h"
#include "controls/StyleTables.h"
#include "controls/TheRoom.h"
#include "model/Arrangement.h"
#include "model/MixerView.h"
#include "support/FaultLog.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr uint32_t kProgressColour = RgbColour(255, 76, 76);

bool inSpan(int32_t x, const std::optional<TRect>& rect) {
    return rect && x >= rect->Left && x < rect->Right;
}

} // namespace

TTheLine::TTheLine(TTheRoom& room, MixerView& mixer, bool paintOverLanes)
    : PaintOverLanes(paintOverLanes), m_room(room), m_mixer(mixer) {}

Elements TTheLine::ReadPosition() {
    const PositionReading reading = m_mixer.HeardPosition();
    if (!reading.ok) {
        GBX_FAULT("BASS_ChannelGetPosition " + reading.errorText.toStdString());
        return m_position;
    }
    if (reading.position >= HighestPosition()) {
        m_position = reading.position;
        SetHighestPosition(reading.position);
    }
    return m_position;
}

Elements TTheLine::ReadPositionLocked() {
    AudioHooks& audio = m_room.Model().audio;
    if (!audio.MixerRunning())
        return m_position;
    MixerLock lock(audio);
    return ReadPosition();
}

void TTheLine::Update() {
    SetPosition(ReadPosition(), true);
}

void TTheLine::SetPosition(Elements position, bool repaint) {
    m_position = position;
    if (Painting)
        return;
    ComputePixelX();
    if (repaint && PixelX != LastPaintedX)
        paint();
    LastPaintedX = PixelX;
}

void TTheLine::Repaint() {
    SetPosition(m_position, true);
}

int32_t TTheLine::ComputePixelX() {
    const Arrangement& model = m_room.Model();
    PixelX = model.plan.Timing().PixelXOf(m_position, model.room.OffsetX, m_room.BoundsRect.Left);
    return PixelX;
}

void TTheLine::ComputeLeftLimit() {
    const RoomNeighbours n = m_room.Neighbours();
    LeftLimit = PaintOverLanes || !n.lanesShown || n.rulerShown ? n.laneStripLeft : n.room.Left;
}

void TTheLine::ForgetPainted() {
    ComputeLeftLimit();
    ComputePixelX();
    LastPaintedX = PixelX;
}

int32_t TTheLine::TopAt(int32_t x, const RoomNeighbours& n) const {
    if (n.menuTrigger && n.menuTrigger->Left <= x)
        return n.ruler.Bottom;
    return n.ruler.Top + kMarkerHeight;
}

int32_t TTheLine::BottomAt(int32_t x, const RoomNeighbours& n) const {
    if (inSpan(x, n.slider))
        return n.slider->Top;
    if (inSpan(x, n.carrier))
        return n.carrier->Top;
    if (!n.lanesShown && inSpan(x, n.watch))
        return n.watch->Top;
    if (x >= n.room.Left)
        return n.room.Bottom;
    if (PaintOverLanes || x == n.room.Left - 1)
        return n.watch ? n.watch->Top : n.room.Bottom;
    return n.ruler.Bottom; // over the lane strip only the ruler's part
}

bool TTheLine::markerInRange(int32_t x, const RoomNeighbours& n) const {
    return x >= n.laneStripLeft - 3 && x < n.room.Right + 2;
}

QRect TTheLine::markerRect(int32_t x, const RoomNeighbours& n) const {
    return QRect(x - 2, n.ruler.Top, 5, kMarkerHeight);
}

void TTheLine::request(const QRect& rect) {
    if (rect.isValid())
        m_room.List.Host.CopyToWindow(rect);
}

void TTheLine::paint() {
    Painting = true;
    try {
        const RoomNeighbours n = m_room.Neighbours();
        const int32_t oldX = LastPaintedX;
        const int32_t newX = PixelX;
        if (markerInRange(oldX, n))
            request(markerRect(oldX, n));
        if (markerInRange(newX, n))
            request(markerRect(newX, n));
        PreviousBottom = Bottom;
        if (newX >= LeftLimit && newX < n.room.Right) {
            Bottom = BottomAt(newX, n);
            const int32_t top = TopAt(newX, n);
            request(QRect(newX, top, 1, Bottom - top));
        }
        if (oldX >= n.laneStripLeft && oldX < n.room.Right) {
            const int32_t top = TopAt(oldX, n);
            request(QRect(oldX, top, 1, std::max(PreviousBottom, BottomAt(oldX, n)) - top));
        }
        // Only the stretch of the progress row between the two places changes.
        if (n.rulerShown && oldX != kNeverPainted) {
            const int32_t from = std::max(std::min(oldX, newX), n.ruler.Left);
            const int32_t to = std::min(std::max(oldX, newX) + 1, n.ruler.Right);
            request(QRect(from, n.ruler.Bottom - 1, to - from, 1));
        } else if (n.rulerShown) {
            request(QRect(n.ruler.Left, n.ruler.Bottom - 1, n.ruler.Width(), 1));
        }
    } catch (const std::exception& e) {
        GBX_FAULT_CAUGHT("TheLine.PaintLines", e);
    }
    Painting = false;
}

void TTheLine::RequestCurrent() {
    const RoomNeighbours n = m_room.Neighbours();
    ComputeLeftLimit();
    if (markerInRange(PixelX, n))
        request(markerRect(PixelX, n));
    if (PixelX >= LeftLimit && PixelX < n.room.Right) {
        Bottom = BottomAt(PixelX, n);
        const int32_t top = TopAt(PixelX, n);
        request(QRect(PixelX, top, 1, Bottom - top));
    }
    if (n.rulerShown)
        request(QRect(n.ruler.Left, n.ruler.Bottom - 1, n.ruler.Width(), 1));
}

void TTheLine::PaintOver(QPainter& painter) const {
    const RoomNeighbours n = m_room.Neighbours();
    const LineStyle& style = m_room.Style().Line;
    const auto colour = [this](uint32_t c) { return ToQColor(m_room.ShownColour(c)); };
    const int32_t x = PixelX;
    if (markerInRange(x, n)) {
        const auto stroke = [&](int32_t at, uint32_t c) {
            if (at >= LeftLimit && at < n.ruler.Right)
                painter.fillRect(at, n.ruler.Top, 1, kMarkerHeight, colour(c));
        };
        for (int32_t at = x - 1; at <= x + 1; ++at)
            stroke(at, style.MarkerBG);
        stroke(x - 2, style.MarkerOutline);
        stroke(x + 2, style.MarkerOutline);
        if (x > LeftLimit - 2 && x < n.ruler.Right + 2) {
            const int32_t from = std::max(x - 2, LeftLimit);
            const int32_t to = std::min(x + 3, n.ruler.Right);
            painter.fillRect(from, n.ruler.Top + kMarkerHeight - 1, to - from, 1,
                             colour(style.MarkerOutline));
        }
    }
    if (x >= LeftLimit && x < n.room.Right) {
        const int32_t top = TopAt(x, n);
        painter.fillRect(x, top, 1, BottomAt(x, n) - top, colour(style.Line));
    }
    const int32_t originX = m_room.Model().room.OriginFlag().PixelX;
    if (n.rulerShown && x != originX) {
        const int32_t from = std::max(std::min(originX, x), n.ruler.Left);
        const int32_t to = std::min(std::max(originX, x), n.ruler.Right);
        if (to > from)
            painter.fillRect(from, n.ruler.Bottom - 1, to - from, 1, colour(kProgressColour));
    }
}
