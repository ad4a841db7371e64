// The play line: the vertical cursor that shows where the mix is heard, with its marker in the
// ruler's band.
#pragma once

#include "model/Flags.h"
#include "model/Units.h"

#include <QRect>

#include <atomic>
#include <cstdint>
#include <limits>

class MixerView;
class QPainter;
class TTheRoom;
struct RoomNeighbours;

// The line lives on the screen only: painting asks the window to draw the old and the new
// place again, and the window draws the line over the composition (PaintOver). UI thread
// only, except the highest position, which the mingler's wrap sync sets from the mixing thread.
class TTheLine : public TRoomLine {
public:
    TTheLine(TTheRoom& room, MixerView& mixer, bool paintOverLanes);

    static constexpr int32_t kNeverPainted = std::numeric_limits<int32_t>::min();
    static constexpr int32_t kMarkerHeight = 9; // rows of the ruler's band

    bool Painting = false; // suspended while the window repaints everything
    int32_t LastPaintedX = kNeverPainted;
    int32_t Bottom = 0;
    int32_t PreviousBottom = 0;
    const bool PaintOverLanes;
    int32_t LeftLimit = 0;

    Elements Position() const { return m_position; }
    Elements HighestPosition() const { return {m_highest.load(std::memory_order_relaxed)}; }
    // The mingler (wrapping to the range's start) and the carrier (moving the line) set it.
    void SetHighestPosition(Elements position) {
        m_highest.store(position.count, std::memory_order_relaxed);
    }

    // The heard position, which never goes below the highest one read: jitter in what the mixer
    // reports never steps the line back. A failed query keeps the stored position.
    Elements ReadPosition();
    // The same under the mixer lock while the mixer runs; else the stored position.
    Elements ReadPositionLocked();
    // The line timer's step: the heard position, painted when its pixel column changed.
    void Update();
    void SetPosition(Elements position, bool repaint);
    // Paints when the pixel column differs from the one last painted (after scrolling).
    void Repaint();
    int32_t ComputePixelX();
    void ComputeLeftLimit();
    // The column painted now is the line's column: nothing old is left to erase.
    void ForgetPainted();
    // Asks the window for the line's marker, column and the ruler's progress row at the
    // current place.
    void RequestCurrent();

    // Draws the marker, the line and the progress row on the ruler's bottom edge.
    void PaintOver(QPainter& painter) const;

    int32_t TopAt(int32_t x, const RoomNeighbours& n) const;
    int32_t BottomAt(int32_t x, const RoomNeighbours& n) const;

private:
    // Asks for the old and the new place, and what lies between them on the progress row.
    void paint();
    bool markerInRange(int32_t x, const RoomNeighbours& n) const;
    QRect markerRect(int32_t x, const RoomNeighbours& n) const;
    void request(const QRect& rect);

    TTheRoom& m_room;
    MixerView& m_mixer;
    Elements m_position{};
    std::atomic<int64_t> m_highest{0};
};
