// The slider's drawing, dragging and track clicks, and the loudness slider's ties to the plan,
// the watch and its menu.
#include "controls/TheSlider.h"

#include "controls/ControlHost.h"
#include "controls/DrawingSurfaces.h"
#include "controls/Interior.h"
#include "controls/MenuLink.h"
#include "controls/TransportLink.h"
#include "controls/WatchLink.h"
#include "model/Arrangement.h"
#include "model/SliderScale.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Pixels from the slider's left to the handle's centre at position 0.
constexpr int32_t kZeroX = 19;
// The area repainted when only the position changed: the track with the handle.
constexpr int32_t kTrackAreaLeft = 8;
constexpr int32_t kTrackAreaTop = 19;
constexpr int32_t kTrackAreaWidth = 123;
constexpr int32_t kTrackAreaHeight = 14;

// Two arcs opening to the left, right of the loudspeaker, relative to the slider's top left.
const QPoint kSoundWaves[] = {{67, 6},  {67, 10}, {68, 7},  {68, 8}, {68, 9}, {70, 5},
                              {70, 11}, {71, 6},  {71, 10}, {72, 7}, {72, 8}, {72, 9}};

} // namespace

// ---- TSlider ----

void TSlider::Resize() {
    PlaceOnBottomRow({&TTheInterior::Carrier, &TTheInterior::Watch, &TTheInterior::Lanes}, kWidth,
                     kHeight);
    TCtrl::Resize();
}

TRect TSlider::HandleRect() const {
    const int32_t left = BoundsRect.Left + m_position;
    return {left + 9, BoundsRect.Top + 20, left + 30, BoundsRect.Top + 32};
}

TRect TSlider::TrackRect() const {
    return {BoundsRect.Left + 9, BoundsRect.Top + 21, BoundsRect.Left + 130, BoundsRect.Top + 31};
}

void TSlider::SetPosition(int value, bool notify) {
    value = std::clamp(value, 0, kMaxPosition);
    if (value == m_position)
        return;
    m_position = static_cast<uint8_t>(value);
    if (OnStore)
        OnStore(value);
    QImage& composition = List.Surfaces.CompositionBitmap;
    if (Visible && !composition.isNull()) {
        QPainter painter(&composition);
        paintTrackAndHandle(painter);
        painter.end();
        List.Host.CopyToWindow(QRect(BoundsRect.Left + kTrackAreaLeft,
                                     BoundsRect.Top + kTrackAreaTop, kTrackAreaWidth,
                                     kTrackAreaHeight));
    }
    if (notify && OnChange)
        OnChange();
}

void TSlider::SetPositionClamped(int value, bool notify) {
    SetPosition(std::clamp(value, 0, kMaxPosition), notify);
}

void TSlider::BeginDrag(int mouseX) {
    m_dragging = true;
    Reanchor(mouseX);
}

void TSlider::Reanchor(int mouseX) {
    m_dragStartPosition = m_position;
    m_dragStartX = mouseX;
    m_lastMouseX = mouseX;
}

void TSlider::SetFineAdjustment(bool on) {
    const int32_t wanted = on ? kFinePixelsPerUnit : 1;
    if (PixelsPerUnit == wanted)
        return;
    PixelsPerUnit = wanted;
    if (m_dragging)
        Reanchor(m_lastMouseX);
}

void TSlider::MouseDown(MouseButton button, int32_t x, int32_t y, ShiftState shift) {
    TCtrl::MouseDown(button, x, y, shift);
    m_lastMouseX = x;
    if (button != MouseButton::Left || !HandleRect().Contains(x, y))
        return;
    PixelsPerUnit = shift.ctrl ? kFinePixelsPerUnit : 1;
    BeginDrag(x);
}

void TSlider::MouseMove(int32_t x, int32_t y) {
    (void)y;
    m_lastMouseX = x;
    if (m_dragging)
        SetPositionClamped((x - m_dragStartX) / std::max(PixelsPerUnit, 1) + m_dragStartPosition,
                           true);
}

void TSlider::MouseUp(int32_t x, int32_t y) {
    m_dragging = false;
    TCtrl::MouseUp(x, y);
}

void TSlider::Paint() {
    QImage& composition = List.Surfaces.CompositionBitmap;
    if (!Visible || composition.isNull())
        return;
    QPainter painter(&composition);
    painter.fillRect(BoundsRect.ToQRect(),
                     List.Interior ? List.Interior->WindowColour() : QColor(Qt::white));
    paintScale(painter);
    paintTrackAndHandle(painter);
}

void TSlider::paintScale(QPainter& painter) const {
    const SliderStyle style = List.Interior ? List.Interior->Style().Slider : SliderStyle{};
    const int32_t left = BoundsRect.Left;
    const int32_t top = BoundsRect.Top;
    for (int32_t i = 0; i <= 10; ++i) {
        const int32_t x = left + kZeroX + 10 * i;
        FillSpan(painter, x, top + (i >= 4 && i <= 6 ? 13 : 11), x + 1, top + 19, style.LargeTick);
    }
    for (int32_t i = 0; i < 10; ++i)
        for (int32_t dx : {21, 23, 25, 27})
            FillSpan(painter, left + 10 * i + dx, top + 15, left + 10 * i + dx + 1, top + 19,
                     style.SmallTick);
}

void TSlider::paintTrackAndHandle(QPainter& painter) const {
    const SliderStyle style = List.Interior ? List.Interior->Style().Slider : SliderStyle{};
    const int32_t left = BoundsRect.Left;
    const int32_t top = BoundsRect.Top;
    painter.fillRect(left + kTrackAreaLeft, top + kTrackAreaTop, kTrackAreaWidth, kTrackAreaHeight,
                     List.Interior ? List.Interior->WindowColour() : QColor(Qt::white));
    // The track: a frame around the background, with a groove lit up to the handle.
    FillSpan(painter, left + 8, top + 20, left + 131, top + 32, style.BG);
    FillSpan(painter, left + 8, top + 20, left + 131, top + 21, style.Outline);
    FillSpan(painter, left + 8, top + 20, left + 9, top + 32, style.Outline);
    FillSpan(painter, left + 130, top + 20, left + 131, top + 32, style.OutlineShadow);
    FillSpan(painter, left + 8, top + 32, left + 131, top + 33, style.OutlineShadow);
    const int32_t centre = left + kZeroX + m_position;
    FillSpan(painter, left + kZeroX - 2, top + 24, left + kZeroX + kMaxPosition + 3, top + 29,
             style.HoleOutline);
    FillSpan(painter, left + kZeroX - 1, top + 25, left + kZeroX + kMaxPosition + 2, top + 28,
             style.HoleBig);
    FillSpan(painter, left + kZeroX - 1, top + 27, left + kZeroX + kMaxPosition + 2, top + 28,
             style.HoleLine);
    FillSpan(painter, left + kZeroX - 1, top + 25, centre, top + 26, style.HoleGlowBig);
    FillSpan(painter, left + kZeroX - 1, top + 26, centre, top + 27, style.HoleGlowMid);
    FillSpan(painter, left + kZeroX - 1, top + 27, centre, top + 28, style.HoleGlowLine);
    // The handle: outlined, light on top and shaded below, with its centre marked.
    const TRect h = HandleRect();
    FillSpan(painter, h.Left, h.Top, h.Right, h.Bottom, style.HandleOutline);
    FillSpan(painter, h.Left + 1, h.Top + 1, h.Right - 1, h.Bottom - 1, style.Handle);
    FillSpan(painter, h.Left + 1, h.Top + 7, h.Right - 1, h.Bottom - 1, style.HandleGradient);
    FillSpan(painter, h.Left + 1, h.Bottom - 2, h.Right - 1, h.Bottom - 1, style.HandleShadow);
    FillSpan(painter, centre, h.Top + 3, centre + 1, h.Bottom - 3, style.MidLine);
    if (Dimmed)
        List.Surfaces.DimBlend(painter, QRect(left + 8, top + 20, 123, 13));
}

// ---- TTheSlider ----

TTheSlider::TTheSlider(TCtrlList& list, const SliderLinks& links) : TSlider(list), m_links(links) {
    OnChange = [this] { StoreMasterLoudness(); };
}

void TTheSlider::ShowFadeLoudness(long double loudness) {
    if (!m_peeked)
        SetPositionClamped(static_cast<int>(std::lround(loudness * 100)), false);
}

void TTheSlider::StoreMasterLoudness() {
    m_links.arrangement.plan.SetMasterLoudness(Position() / 100.0L, false);
}

void TTheSlider::SetPeekedLane(std::optional<PeekedLane> lane) {
    m_peeked = lane;
    SyncToPlan();
}

void TTheSlider::SyncToPlan() {
    if (m_peeked) {
        SetPositionClamped(m_peeked->position, false);
        return;
    }
    const long double loudness = m_links.arrangement.plan.MasterLoudness.Value();
    SetPositionClamped(std::isnan(loudness)
                           ? 0
                           : static_cast<int>(std::lround(std::clamp(loudness, 0.0L, 1.0L) * 100)),
                       false);
}

void TTheSlider::ShowValueInWatch() {
    if (m_peeked && m_peeked->pan) {
        const long double pan = PanOfSliderPosition(Position());
        m_links.watch.ShowNumber(static_cast<int>(std::lround(std::abs(pan) * 100)), pan < 0);
    } else {
        m_links.watch.ShowNumber(Position(), false);
    }
}

void TTheSlider::EndPeek() {
    if (!Dragging() && m_links.watch.ShowsNumber())
        m_links.watch.RestoreChosenPainter();
}

void TTheSlider::Paint() {
    TSlider::Paint();
    QImage& composition = List.Surfaces.CompositionBitmap;
    if (!Visible || composition.isNull())
        return;
    QPainter painter(&composition);
    paintLoudspeaker(painter);
}

void TTheSlider::paintLoudspeaker(QPainter& painter) const {
    const SliderStyle style = List.Interior ? List.Interior->Style().Slider : SliderStyle{};
    const int32_t left = BoundsRect.Left;
    const int32_t top = BoundsRect.Top;
    // The magnet, the cone widening to the right, and two sound waves.
    FillSpan(painter, left + 59, top + 7, left + 62, top + 10, style.HandleOutline);
    for (int32_t i = 0; i < 4; ++i)
        FillSpan(painter, left + 62 + i, top + 7 - i / 2 - 1, left + 63 + i, top + 10 + i / 2 + 1,
                 style.HandleOutline);
    for (const QPoint& p : kSoundWaves)
        FillSpan(painter, left + p.x(), top + p.y(), left + p.x() + 1, top + p.y() + 1,
                 style.LargeTick);
}

void TTheSlider::MouseDown(MouseButton button, int32_t x, int32_t y, ShiftState shift) {
    if (shift.alt) {
        // Back to the default loudness; a value being typed keeps the slider to itself.
        if (!m_links.watch.Typing())
            SetPosition(kDefaultPosition, true);
        return;
    }
    m_pressed = button;
    TSlider::MouseDown(button, x, y, shift);
    if (button != MouseButton::Left)
        return;
    if (Dragging()) {
        Reanchor(x);
        if (!PeekWhileHovering && !m_links.watch.Typing())
            ShowValueInWatch();
        return;
    }
    if (TrackRect().Contains(x, y) && OnWheel)
        OnWheel(x <= BoundsRect.Left + Position() + kZeroX ? -kLoudnessStep : kLoudnessStep);
}

void TTheSlider::MouseMove(int32_t x, int32_t y) {
    TSlider::MouseMove(x, y);
    if (!Dragging()) {
        if (PeekWhileHovering && !m_links.watch.Typing())
            ShowValueInWatch();
        return;
    }
    if (m_links.watch.ShowsNumber())
        ShowValueInWatch();
    if (!m_links.transport.Rolling())
        m_links.watch.RepaintDigits();
}

void TTheSlider::MouseUp(int32_t x, int32_t y) {
    if (m_pressed == MouseButton::Right)
        m_links.menus.OpenSliderMenu(QPoint(x, y));
    else if (Dragging() && m_links.watch.ShowsNumber()) // a typed value keeps its painter
        m_links.watch.RestoreChosenPainter();
    m_pressed = MouseButton::None;
    TSlider::MouseUp(x, y);
}

void TTheSlider::MouseLeave() {
    if (PeekWhileHovering)
        EndPeek();
}

TTheSlider* TheSliderOf(const TTheInterior& interior) {
    return dynamic_cast<TTheSlider*>(interior.Slider);
}

void AddSlider(ControlMakers& makers, const SliderLinks& links) {
    makers.slider = [links](TCtrlList& list) -> TCtrl& { return list.Create<TTheSlider>(links); };
}
