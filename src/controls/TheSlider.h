// The loudness slider at the bottom of the window: a 0..100 scale with a handle that shows and
// sets the plan's master loudness, or the value of the lane the lane strip is editing.
#pragma once

#include "controls/Ctrl.h"

#include <cstdint>
#include <functional>
#include <optional>

class Arrangement;
class MenuLink;
class TTheInterior;
class TransportLink;
class WatchLink;

// A horizontal slider of 101 positions, drawn straight into the composition. UI thread only.
class TSlider : public TCtrl {
public:
    explicit TSlider(TCtrlList& list) : TCtrl(list) {}

    static constexpr int32_t kWidth = 140;
    static constexpr int32_t kHeight = 38;
    static constexpr int32_t kMaxPosition = 100;
    // Pixels per position while Ctrl is held during a drag.
    static constexpr int32_t kFinePixelsPerUnit = 3;

    uint8_t Position() const { return m_position; }
    // A different value (kept within 0..100) is stored, also through OnStore, repainted and
    // presented; notify: OnChange.
    virtual void SetPosition(int value, bool notify);
    void SetPositionClamped(int value, bool notify);
    bool Dragging() const { return m_dragging; }
    // A drag handed over (the lane strip starts one): it goes on from this mouse X.
    void BeginDrag(int mouseX);
    // A handed-over drag ends where it is, without a release.
    void EndDrag() { m_dragging = false; }
    // The drag goes on from here (Ctrl changed PixelsPerUnit), so the handle does not jump.
    void Reanchor(int mouseX);
    // Ctrl held or released: one position per kFinePixelsPerUnit pixels, or per pixel; a drag
    // in progress goes on from the mouse's last X.
    void SetFineAdjustment(bool on);
    int32_t PixelsPerUnit = 1;
    std::function<void()> OnChange; // after a user change
    // Also stores a new position elsewhere; Position always holds it.
    std::function<void(int)> OnStore;

    // The handle and the track, in client coordinates.
    TRect HandleRect() const;
    TRect TrackRect() const;

    // TCtrl
    void Paint() override;
    void Resize() override;
    void MouseDown(MouseButton button, int32_t x, int32_t y, ShiftState shift) override;
    void MouseMove(int32_t x, int32_t y) override;
    void MouseUp(int32_t x, int32_t y) override;

private:
    // The scale's ticks, above the track.
    void paintScale(QPainter& painter) const;
    // The track with the handle at Position, dimmed when Dimmed.
    void paintTrackAndHandle(QPainter& painter) const;

    uint8_t m_position = 0;
    bool m_dragging = false;
    int32_t m_dragStartX = 0;
    int32_t m_dragStartPosition = 0;
    int32_t m_lastMouseX = 0;
};

// What the loudness slider is made with; everything referenced outlives the slider.
struct SliderLinks {
    Arrangement& arrangement;
    TransportLink& transport;
    WatchLink& watch;
    MenuLink& menus;
};

// The one slider of the window: master loudness, its read-out in the watch and its menu.
class TTheSlider : public TSlider {
public:
    TTheSlider(TCtrlList& list, const SliderLinks& links);

    // The loudness step of a track click, and of a wheel notch over the slider or the window.
    static constexpr long double kLoudnessStep = 0.05L;
    // The default master loudness (0.8), where an Alt-click puts the slider.
    static constexpr int kDefaultPosition = 80;

    std::function<void(long double)> OnWheel; // a loudness step (track click, wheel)
    bool PeekWhileHovering = true;

    // The lane the lane strip hovers or edits: its value as a slider position, and whether
    // that value is a pan (shown in the watch as -100..100).
    struct PeekedLane {
        int position = 0;
        bool pan = false;
    };
    // Shows the lane's value instead of the master loudness; none: the master loudness again.
    void SetPeekedLane(std::optional<PeekedLane> lane);
    const std::optional<PeekedLane>& PeekedLaneValue() const { return m_peeked; }
    // Master loudness, or the peeked lane's value; never notifies.
    void SyncToPlan();
    // The start-up fade reached this loudness: shown, unless a lane's value is.
    void ShowFadeLoudness(long double loudness);
    // The slider's own change: the plan's master loudness becomes Position / 100. OnChange
    // does this unless someone else (a lane being edited) has bound it.
    void StoreMasterLoudness();
    // The slider's value as the watch shows it: a pan as |2p - 100| with its sign.
    void ShowValueInWatch();
    // The watch stops showing the slider's value, unless a drag goes on.
    void EndPeek();

    // TCtrl
    void Paint() override;
    void MouseDown(MouseButton button, int32_t x, int32_t y, ShiftState shift) override;
    void MouseMove(int32_t x, int32_t y) override;
    void MouseUp(int32_t x, int32_t y) override;
    void MouseLeave() override;

private:
    void paintLoudspeaker(QPainter& painter) const;

    SliderLinks m_links;
    std::optional<PeekedLane> m_peeked;
    MouseButton m_pressed = MouseButton::None;
};

// The interior's slider as the one slider, or none.
TTheSlider* TheSliderOf(const TTheInterior& interior);

struct ControlMakers;
// Sets the maker of the loudness slider.
void AddSlider(ControlMakers& makers, const SliderLinks& links);
