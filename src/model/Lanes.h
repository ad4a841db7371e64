// Lanes: one row of the room each, bound to a piece, and the list that owns them.
#pragma once

#include "model/AudioState.h"
#include "model/Piece.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

class Arrangement;
class TBall;

// UI thread only; the mixer reads a lane's piece and struck flag under the mixer lock.
class TLane {
public:
    TLane(Arrangement& arrangement, int32_t position, long double hue, bool hueAuto);
    TLane(const TLane&) = delete;
    TLane& operator=(const TLane&) = delete;

    TPiece& Piece() { return m_piece; }
    const TPiece& Piece() const { return m_piece; }
    // The row: balls whose Y equals it belong to the lane.
    int32_t Position() const { return m_position; }
    // The lane's display colour, from its hue.
    uint32_t Colour() const { return m_piece.Colour(); }

    bool Striked = false; // struck: its balls do not sound
    // The balls that belong to the lane, not owned; kept by the ball list.
    std::vector<TBall*> LaneBalls;
    // The channels sounding in the lane now (the audio side's; the lane meters read them).
    std::unique_ptr<AudioState> Sounding;

private:
    friend class TTheLanes;

    TPiece m_piece;
    int32_t m_position;
};

// The lane list, in the order of creation (not sorted by position). UI thread only; adding and
// removing lanes hold the mixer lock, since the mixer's syncs reach lanes through their balls.
class TTheLanes {
public:
    explicit TTheLanes(Arrangement& arrangement) : m_arrangement(arrangement) {}

    TLane& Add(int32_t position, long double hue, bool hueAuto);
    int Count() const { return static_cast<int>(m_lanes.size()); }
    TLane& At(int index) const { return *m_lanes.at(index); }
    // -1 when the lane is not in the list.
    int IndexOf(const TLane& lane) const;
    // The first lane in list order at a position, or none.
    TLane* AtPosition(int32_t position) const;
    // The first lane whose displayed row (position + OffsetY) is the given one, or none.
    TLane* AtRow(int32_t row) const;
    // The lane position shown at a pixel row of the strip.
    int32_t RowAtPixel(int32_t y, int32_t stripTop) const;
    // Sets the hue (generated when automatic) and with it the lane's colour.
    void SetHue(TLane& lane, bool automatic, long double hue);
    // Removes every lane; balls that still point to one lose their lane.
    void RemoveAll();
    // Frees the lane. Balls it still has go to the next lane at its position, else have none.
    void Remove(TLane& lane);
    // The lane's row; its balls stay where they are (the caller moves them).
    void SetPosition(TLane& lane, int32_t position);
    // Moves a lane to an index of the list (clamped), the others keeping their order.
    void MoveTo(TLane& lane, int index);

private:
    // The first lane in list order at the position, after the lanes there changed.
    void reindex(int32_t position);
    // What the audio side keeps for the lane's piece goes, and the lane with it.
    void release(std::unique_ptr<TLane>& lane);

    Arrangement& m_arrangement;
    std::vector<std::unique_ptr<TLane>> m_lanes;
    std::unordered_map<int32_t, TLane*> m_firstAtPosition;
};
