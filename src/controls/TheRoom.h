// The room: the grid right of the lane strip where balls are placed, with the point (the
// keyboard cursor), the flags and the play line over it.
#pragma once

#include "controls/AutoScroll.h"
#include "controls/Ctrl.h"
#include "controls/LineAndPoint.h"
#include "controls/RoomKeys.h"
#include "controls/RoomLinks.h"
#include "controls/RoomNeighbours.h"
#include "controls/RoomPainter.h"
#include "controls/RoomRowPainter.h"
#include "controls/TheLine.h"

#include <QPoint>
#include <QRegion>

class Arrangement;
class TTheRuler;
struct StyleTables;

// Cell (X, Y) of the plan shows at column X + OffsetX and row Y + OffsetY of the room; columns
// and rows count from the room's top left, 20 pixels each. The room draws straight into the
// composition; the point and the line are drawn over the window. UI thread only.
class TTheRoom : public TCtrl, public LineAndPoint, public RoomKeys, public RoomRowPainter {
public:
    TTheRoom(TCtrlList& list, const RoomLinks& links);

    Arrangement& Model() const { return m_links.arrangement; }
    TTheLine& Line() { return m_line; }
    TAutoScroll& AutoScroll() { return m_autoScroll; }
    const StyleTables& Style() const;
    RoomNeighbours Neighbours() const;
    // The ruler when the program has one of ours.
    TTheRuler* Ruler() const;

    int32_t TimeSegments;
    // The style's cell pictures are shown; without them the cells are plain squares.
    bool RugVisible;
    void ToggleRug();
    // Shows or hides the flags in the room and on the ruler.
    void ToggleFlagsShown();

    // Cell coordinates: width div 20 - OffsetX - 1, and the same for rows.
    int64_t LastVisibleColumn() const;
    int64_t LastVisibleRow() const;
    int32_t ColumnAt(int32_t x) const { return (x - BoundsRect.Left) / kCellSize; }
    int32_t RowAt(int32_t y) const { return (y - BoundsRect.Top) / kCellSize; }

    // Scrolling; each repaints only what the axis affects.
    void SetOffsetX(int32_t value);
    void SetOffsetY(int32_t value);
    void SetOffsets(int32_t x, int32_t y);
    void CentreOnColumn(int32_t x);
    void CentreOnRow(int32_t y);
    void CentreOnCell(int32_t x, int32_t y);
    // The X offset that brings a position into view, 20 pixels inside the nearer edge; the
    // offset unchanged when it is in view.
    int32_t OffsetToShow(Elements position) const;

    // The point to a cell; false when it was there already. Repaints its old and new place.
    bool MovePointTo(int32_t x, int32_t y);
    // The point to a cell, scrolling the room when the cell is out of view.
    void MovePointShowing(int64_t x, int64_t y);
    // Arrows only: Ctrl scrolls the room by the step, else the point moves by it. Auto-scroll
    // stops unless it is rewinding.
    bool MovePointByKey(int key, ShiftState shift, int32_t step);
    // To the nearest ball right (next) or left on the point's row, else on the following rows.
    bool MovePointToBall(bool next);
    // Home: the first ball of the point's lane, or column 0; End: its last ball (0 at least).
    // From there, a second press goes to 0 (Home) or the end flag's column (End).
    void MovePointHomeOrEnd(bool end);
    // To the start flag's column, or to 0 from there; to the end flag's column.
    void MovePointToStartFlag();
    void MovePointToEndFlag();

    // The whole room again, in the composition and on the screen.
    void RepaintWhole();
    // The start and end flags in the style's colours for the mingler's repeat mode.
    void ColourStartAndEndFlags();
    // After the flags or the point moved in the model.
    void RecomputePixels();

    // TCtrl
    void Paint() override;
    void Resize() override;
    void MouseDown(MouseButton button, int32_t x, int32_t y, ShiftState shift) override;
    void MouseUp(int32_t x, int32_t y) override;
    void CapturedMouseMove(MouseButton pressed, int32_t x, int32_t y, ShiftState shift) override;
    bool Dragging() const { return m_dragging; }

    // LineAndPoint
    void SuspendLinePainting(bool suspended) override { m_line.Painting = suspended; }
    void UpdateLine() override { m_line.Update(); }
    void ResetLinePainting() override;
    void PaintPoint() override;
    void PaintLine() override { m_line.RequestCurrent(); }
    void PaintOverWindow(QPainter& painter) override;
    bool HidePoint() override;
    bool ShowPoint() override;
    Elements LinePosition() const override { return m_line.Position(); }
    void DisableTimers() override { m_autoScroll.Disable(); }

    // RoomKeys
    bool PointKeyDown(int key, ShiftState shift) override;
    bool RoomKeyDown(int key, ShiftState shift) override;

    // RoomRowPainter
    void RepaintRow(int32_t y, const TBall* second) override;

    static constexpr int kCellSize = 20;
    static constexpr int kLanesMarkerX = 106; // the point's marker in the lane strip

private:
    // Cells, balls, length marks and flags inside the area, clipped to the room's own part.
    void paintArea(const QRect& area);
    QRegion ownRegion() const;
    // The point's cell and its two markers, asked to be drawn again.
    void requestPoint();
    QRect laneMarkerRect() const;
    // Offsets and the point changed together: one repaint of everything they touch.
    void applyView(int32_t offsetX, int32_t offsetY, bool pointMoved);
    void afterOffsetX();
    void afterOffsetY();
    // Besides the room, new rows move the lane strip; a rolling line reads its place again.
    void followRows();
    void drag(int32_t x, int32_t y);

    RoomLinks m_links;
    RoomPictureCache m_pictures;
    TTheLine m_line;
    TAutoScroll m_autoScroll;
    bool m_pointHidden = false;
    bool m_dragging = false;
    // A right press with Ctrl, which places and removes nothing: its release opens the ball menu.
    bool m_menuPressed = false;
    QPoint m_dragMouse;
    QPoint m_dragAccumulator; // pixels of scrolling being built up
};

// The room of the interior when it is ours.
TTheRoom* TheRoomOf(const TTheInterior& interior);
