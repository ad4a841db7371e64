// The ruler: the strip above the room with its numbered cells, the point's marker and the
// flags' captions. Clicks move the line; Ctrl-clicks set the play range's start, Alt-clicks its
// end; hovering shows the time under the mouse in the watch.
#pragma once

#include "controls/Ctrl.h"
#include "controls/RoomLinks.h"
#include "controls/WatchLink.h"
#include "model/Units.h"

#include <QRect>

class TTheRoom;

// Draws straight into the composition. UI thread only.
class TTheRuler : public TCtrl, public DigitPainter {
public:
    TTheRuler(TCtrlList& list, const RoomLinks& links);

    static constexpr int32_t kHeight = 20;
    static constexpr int32_t kCellWidth = 20;
    static constexpr int32_t kLabelEvery = 4;
    static constexpr int32_t kChangeStart = 111;
    static constexpr int32_t kChangeEnd = 112;

    uint32_t TickColour;
    PeekedTime Peek;        // the time under the mouse
    int32_t LastMouseX = 0; // for the time preview after scrolling

    // The element position under a window column: with exact, to the pixel; else snapped to
    // the nearest cell edge.
    Elements GetDestByte(int32_t x, bool exact) const;
    // Ctrl: the plan's Start; else Alt: its End; else the line goes there through the carrier.
    void SetStartOrEnd(int32_t x, ShiftState shift, bool undoable, bool follow);
    void OnMouseDown(int32_t x, ShiftState shift) { SetStartOrEnd(x, shift, true, true); }
    // Keeps a rolling or paused mix in step with a new play range.
    void OnRoundRobinRangeChange(bool startChanged, bool endChanged, Elements previousEnd);
    // The time under a column goes to the watch, which shows it until the mouse leaves.
    void PeekRulerTime(int32_t x);
    void EndPeekRulerTime();
    // The watch's painter while the mouse is over the ruler (UpdateTimeDigits).
    void PaintDigits(QPainter& painter) override;
    // Shows or hides the ruler; the room keeps its rows where they were on the screen.
    void SwitchVisible();
    // Paints the ruler with its flags and copies it to the screen; the window draws the
    // markers over it.
    void UpdateRuler();

    // The point's marker: over the point's column, or an arrow at the nearer end when the point
    // lies outside the ruler.
    QRect PointMarkerRect() const;
    void PaintThePointMarker(QPainter& painter) const;

    // TCtrl
    void Paint() override;
    void Resize() override;
    void MouseDown(MouseButton button, int32_t x, int32_t y, ShiftState shift) override;
    void MouseMove(int32_t x, int32_t y) override;
    void MouseUp(int32_t x, int32_t y) override;
    void MouseLeave() override;

private:
    enum class MarkerEnd { Left, Over, Right };
    MarkerEnd markerEnd() const;
    void paintIcon(QPainter& painter) const;
    void moveFlag(bool start, Elements position);
    TTheRoom* room() const;

    RoomLinks m_links;
    MouseButton m_pressed = MouseButton::None;
};
