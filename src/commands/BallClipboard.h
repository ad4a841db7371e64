// Balls and lanes through the clipboard, in the plan's text form: the copies, and the pastes
// that place them at the point or in a lane's row.
#pragma once

#include <QString>

#include <cstdint>

class Arrangement;
class TBall;
class TLane;
struct PlanReadContext;

// Change codes of the clipboard edits.
constexpr int32_t kChangeLanePasted = 152;
constexpr int32_t kChangeBallsPasted = 156;
constexpr int32_t kChangeBallCut = 168;
constexpr int32_t kChangeLaneBallsCut = 302;
constexpr int32_t kChangeBallsCut = 323;

// UI thread only; every change of balls, lanes and pieces holds the mixer lock, and the sound
// files named are opened before it is taken. Drawing is the caller's.

// The ball's section alone.
QString BallText(const TBall& ball);
// Every ball, or those whose start lies in the play range.
QString BallsText(const Arrangement& arrangement, bool onlyInPlayRange);
// The lane's section followed by its balls' sections, or the balls' sections alone.
QString LaneText(const TLane& lane, bool withLane);

// The text's ball sections (those not named "Lane." or "Main") become balls: the top-most
// lands in the point's row and the others keep their distance in rows from it; unless columns
// are kept, the first lands in the point's column and the others keep their distance from it.
// A ball standing in a target cell is replaced. With at least one ball pasted: change code 156
// and the balls are armed again. The number pasted.
int PasteBalls(Arrangement& arrangement, const QString& text, const PlanReadContext& context,
               bool keepColumns);

// Pastes into the lane, or into the row when there is no lane there: the row's balls go and
// the text's ball sections become balls of the row at their own columns. Whole: the lane goes
// silent first, a row without a lane gets one, and the text's lane section gives the lane its
// chosen hue, piece settings and struck flag. Change code 152 (whole) or 156; the lane's balls
// are armed again. Nothing changes, and false, when the text holds nothing to paste. The lane
// pasted into comes back through `lane` (none for balls pasted into a row without one).
bool PasteIntoLane(Arrangement& arrangement, const QString& text, const PlanReadContext& context,
                   TLane*& lane, int32_t row, bool whole);
