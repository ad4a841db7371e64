// The control base: painting through the dim blend, presenting, capture and colours.
#include "controls/Ctrl.h"

#include "controls/ControlHost.h"
#include "controls/DrawingSurfaces.h"
#include "controls/Interior.h"

#include <QPainter>
#include <QRegion>

void TCtrl::Paint() {
    DrawingSurfaces& surfaces = List.Surfaces;
    if (Buffer.isNull() || surfaces.CompositionBitmap.isNull())
        return;
    const QPoint topLeft(BoundsRect.Left, BoundsRect.Top);
    if (!Dimmed) {
        QPainter(&surfaces.CompositionBitmap).drawImage(topLeft, Buffer);
        return;
    }
    const QRect area(topLeft, Buffer.size());
    {
        QPainter scratch(&surfaces.ScratchBitmap);
        scratch.drawImage(topLeft, Buffer);
        surfaces.DimBlend(scratch, area);
    }
    QPainter composition(&surfaces.CompositionBitmap);
    composition.setCompositionMode(QPainter::CompositionMode_Source);
    composition.drawImage(area, surfaces.ScratchBitmap, surfaces.DeviceRect(area));
}

void TCtrl::Resize() {
    Width = BoundsRect.Width();
    Height = BoundsRect.Height();
}

void TCtrl::PlaceOnBottomRow(std::initializer_list<InteriorRole> leftNeighbours, int32_t width,
                             int32_t height) {
    const TLayoutRect& layout = List.Host.LayoutRect();
    int32_t left = layout.Left;
    if (const TTheInterior* in = List.Interior) {
        if (in->Room)
            left = in->Room->BoundsRect.Left;
        for (const InteriorRole role : leftNeighbours) {
            if (const TCtrl* neighbour = in->*role; neighbour && neighbour->Visible) {
                left = neighbour->BoundsRect.Right;
                break;
            }
        }
    }
    BoundsRect = {left, layout.Bottom - height, left + width, layout.Bottom};
}

void TCtrl::Present() {
    if (Visible)
        List.Host.CopyToWindow(BoundsRect.ToQRect());
}

void TCtrl::MouseDown(MouseButton button, int32_t x, int32_t y, ShiftState shift) {
    (void)button, (void)x, (void)y, (void)shift;
    List.CapturedCtrl = this;
}

void TCtrl::MouseUp(int32_t x, int32_t y) {
    (void)x, (void)y;
    List.CapturedCtrl = nullptr;
}

uint32_t TCtrl::ShownColour(uint32_t colour) const {
    return Dimmed ? DimmedColour(colour, List.Surfaces.DimAlpha) : colour;
}

void TCtrl::SetPenColor(QPainter& painter, uint32_t colour) const {
    painter.setPen(ToQColor(ShownColour(colour)));
}

void TCtrl::SetBrushColor(QPainter& painter, uint32_t colour) const {
    painter.setBrush(ToQColor(ShownColour(colour)));
}

void TCtrl::ExcludeFrom(QPainter& painter) const {
    const QRegion clip = painter.hasClipping()
                             ? painter.clipRegion()
                             : QRegion(0, 0, painter.device()->width(), painter.device()->height());
    painter.setClipRegion(clip.subtracted(QRegion(BoundsRect.ToQRect())));
}

TCtrlList::~TCtrlList() {
    CapturedCtrl = nullptr;
    HoveredCtrl = nullptr;
    while (!m_items.empty())
        m_items.pop_back();
}
