// Balls: the moments at which lanes sound, and the list that owns them.
#pragma once

#include "model/AudioHooks.h"
#include "model/AudioState.h"
#include "model/Piece.h"
#include "model/Units.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

class Arrangement;
class TLane;

constexpr int32_t kChangeBallLoudness = 220;
constexpr int32_t kChangeBallPan = 222;

// UI thread only; the mixer reads a ball's start, values and play offset under the mixer lock.
// Most balls take every value from their lane: a ball holds a piece of its own only once it has
// a value of its own, which keeps plans of millions of balls small.
class TBall {
public:
    explicit TBall(Arrangement& arrangement);
    ~TBall();
    TBall(const TBall&) = delete;
    TBall& operator=(const TBall&) = delete;

    // The ball's own values; none while it has none.
    const TPiece* OwnPiece() const { return m_piece.get(); }
    // Its own piece to change, made (under the mixer lock) when it has none yet.
    TPiece& EditPiece();
    // What it plays with: its own piece, else its lane's, else the master piece. The effective
    // values of a piece without values of its own are those of the piece it falls back to.
    const TPiece& Values() const;
    int32_t X() const { return m_x; } // column
    int32_t Y() const { return m_y; } // row, a lane's position
    // round(X x ElementsPerStep).
    Elements Start() const { return m_start; }
    // The lane whose position is Y, or none: such a ball is kept and saved but does not sound.
    TLane* Lane() const { return m_lane; }

    uint32_t Sync = 0;     // the mixer sync that starts the sound, 0 when none
    Elements PlayOffset{}; // passed when the sound starts from a given position
    // The channels started from this ball (the audio side's).
    std::unique_ptr<AudioState> Sound;

private:
    friend class TTheBalls;

    Arrangement& m_arrangement;
    std::unique_ptr<TPiece> m_piece;
    TLane* m_lane = nullptr;
    Elements m_start{};
    int32_t m_x = 0;
    int32_t m_y = 0;
};

// How a ball's sound enters the mix: `delay` elements from the mix position at which it is
// started, `offset` into the sound (on the resource scale).
struct BallSoundStart {
    Elements delay;
    Elements offset;
};

// The ball list in the order the balls were added; no two balls share a cell. UI thread only;
// every change of the list or of a ball's cell or lane holds the mixer lock around the whole
// operation, since the mixer's syncs walk the list and read the balls.
class TTheBalls {
public:
    explicit TTheBalls(Arrangement& arrangement) : m_arrangement(arrangement) {}

    // None when X or Y lies outside kCellMin .. kCellMax or a ball stands there already.
    TBall* Add(int64_t x, int64_t y, long double hue, bool hueAuto);
    // These move a ball; the caller makes sure that the new cell is free.
    void SetX(TBall& ball, int32_t x);
    void SetY(TBall& ball, int32_t y);
    void SetLane(TBall& ball, TLane* lane);
    // SetLane, and the ball goes into the lane's list; it is in no other lane's list.
    void JoinLane(TBall& ball, TLane* lane);

    int Count() const { return static_cast<int>(m_balls.size()); }
    TBall& At(int index) const { return *m_balls.at(index); }
    // -1 or none when no ball stands there.
    int IndexOf(int64_t x, int64_t y) const;
    TBall* Find(int64_t x, int64_t y) const;
    // The same for a cell of the view: X = column - OffsetX, Y = row - OffsetY.
    int IndexAtCell(int32_t column, int32_t row) const;
    TBall* FindAtCell(int32_t column, int32_t row) const;

    // The ball's own sound file (none: its lane's). What it plays now stops, and the mixer
    // arms it again.
    void SetResource(TBall& ball, TRes* resource);

    // Unschedules the ball, detaches it from its lane and frees it; the index saves a search.
    void Remove(TBall& ball, int index = -1);
    // Moves a ball to an index of the list (clamped), the others keeping their order.
    void MoveTo(TBall& ball, int index);
    // Removes the ball at (X, Y), or at the view's cell; false when there is none.
    bool RemoveAt(int64_t x, int64_t y, bool asCell);
    void RemoveRow(int32_t y);
    // The balls of the rows join the first lane at their row, or none, after the lanes there
    // changed.
    void JoinRowLanes(const std::vector<int32_t>& rows);
    // The balls of row a go to row b and those of row b to row a, each joining the lane at its
    // new row (or none). Both rows lie in the ball range.
    void SwapRows(int32_t a, int32_t b);
    // Every ball, or every ball whose start lies in the play range.
    void RemoveAll(bool onlyInPlayRange);
    // Start <= the ball's start < End.
    bool InPlayRange(const TBall& ball) const;

    // Of every ball ever added; they do not shrink when balls go.
    int32_t SmallestX() const { return m_smallestX; }
    int32_t LargestX() const { return m_largestX; }

    void RecomputeStarts();

    // Start ball sound: from the play offset at `position`, or from the sound's beginning at the
    // ball's start + `position`. None for a ball whose lane is struck or missing. Any thread,
    // under the mixer lock.
    std::optional<BallSoundStart> SoundStart(const TBall& ball, bool fromOffset,
                                             Elements position) const;
    // Starts the ball's sound on the live mix through the audio hooks, as SoundStart says.
    void StartSound(TBall& ball, bool fromOffset, Elements position);
    // Sets the loudness or pan on the ball's sounding channels while playing.
    void ApplyToSounding(TBall& ball, SoundAttribute attribute, float value);
    // Percent of loudness, or none to use the lane's.
    void SetLoudness(TBall& ball, std::optional<long double> percent);
    // From the pan slider's position 0 .. 100.
    void SetPan(TBall& ball, int sliderPosition);

private:
    static uint64_t CellKey(int64_t x, int64_t y);
    // The ball's index in the list; Count() when it is not there.
    int listIndexOf(const TBall& ball) const;
    // Tells the edit history, before a ball's cell or lane changes.
    void changing(const TBall& ball);
    void ForgetCell(const TBall& ball);
    void RememberCell(TBall& ball);
    void DetachFromLane(TBall& ball);
    // Removes the ball's sync and stops its channels; under the mixer lock.
    void Silence(TBall& ball);

    Arrangement& m_arrangement;
    std::vector<std::unique_ptr<TBall>> m_balls;
    std::unordered_map<uint64_t, TBall*> m_byCell;
    int32_t m_smallestX = 0;
    int32_t m_largestX = -1;
};
