// Placing balls, putting sound files on the room's cells and removing balls, for the room's
// mouse and keys, the files dropped on the window and the room and ball commands.
#pragma once

#include "controls/BallLink.h"

#include <QString>

#include <cstdint>

class Arrangement;
class RoomRowPainter;
class TBall;
class TLane;
class TRes;
class TTheInterior;
class TWideCustomIniFile;
struct ResourceFolders;

// Change codes of the ball operations.
constexpr int32_t kChangeBallPlaced = 64;
constexpr int32_t kChangeBallOwnFile = 253;

// Column and row are the room's visible cells: the ball's cell is (column - OffsetX,
// row - OffsetY). UI thread only.

// Adds a ball with no hue of its own at the cell; none when the cell is taken or outside the
// ball range. On a row without a lane and with Alt held a second ball goes on a random
// diagonal neighbour (it may be refused like any other). Then change code 64; the first ball
// sounds the resource when one is given; the painter, when given, draws the row and the second
// ball's cell; the mixer arms the first ball (only while rolling).
TBall* PlaceBall(Arrangement& arrangement, int32_t column, int32_t row, bool altHeld,
                 TRes* resource, RoomRowPainter* painter);

// False, with nothing changed, when the cell holds no ball. Otherwise the change code is
// recorded and the painter, when given, draws the row again.
bool RemoveBallAtCell(Arrangement& arrangement, int32_t column, int32_t row, int32_t changeCode,
                      RoomRowPainter* painter);

// The ball operations of the program, with what they need to find sound files and to draw
// the lanes they change.
class BallPlacing final : public BallLink {
public:
    // The settings give the default folder for sound files; both outlive this.
    BallPlacing(Arrangement& arrangement, const TWideCustomIniFile& settings)
        : m_arrangement(arrangement), m_settings(settings) {}
    // The window's controls, which draw the lanes again; none: nothing is drawn.
    void AttachInterior(const TTheInterior* interior) { m_interior = interior; }

    // BallLink
    TBall* PlaceBall(int32_t column, int32_t row, bool altHeld, RoomRowPainter& painter) override;
    bool RemoveBallAtCell(int32_t column, int32_t row, int32_t changeCode,
                          RoomRowPainter& painter) override;

    // Puts a sound file on a cell. An empty cell gets a ball; on a row without a lane a lane
    // with the file comes too (a ".mogg" file's tracks spread over lanes below it) and the ball
    // sounds the lane's file, else the ball sounds the file itself. A ball already there sounds
    // the file from now on when it has a lane (change code 253); without one, its row gets a
    // lane with the file (252). Refresh draws the lanes changed; the room is the caller's to
    // draw. False, with nothing changed, for a file that cannot be decoded or a cell outside
    // the ball range.
    bool DropFileOnCell(int32_t column, int32_t row, bool refresh, const QString& file);

private:
    // A lane with the file at the row; a ".mogg" file's further tracks get lanes of their own
    // with a ball at the column. False when the lane could not be added.
    bool addLaneForFile(int32_t row, int32_t column, const QString& file, bool refresh);
    void refreshLane(const TLane& lane) const;
    // Where sound files not found under their names are looked for.
    ResourceFolders folders() const;

    Arrangement& m_arrangement;
    const TWideCustomIniFile& m_settings;
    const TTheInterior* m_interior = nullptr;
};
