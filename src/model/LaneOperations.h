// What the lane commands do to lanes as a whole: removing them or their balls, moving them,
// laying balls out in them, their hues, and the lane list as text.
#pragma once

#include <QString>

#include <cstdint>
#include <functional>

class Arrangement;
class TLane;
class TTheLanes;

// Change codes of the lane operations.
constexpr int32_t kChangeLaneMoved = 354;
constexpr int32_t kChangeLaneRemoved = 77;
constexpr int32_t kChangeLaneCut = 303;
constexpr int32_t kChangeLaneBallsRemoved = 224;
constexpr int32_t kChangeRandomBalls = 299;
constexpr int32_t kChangeBallsLaidOut = 300;
constexpr int32_t kChangeNewLaneHue = 312;
constexpr int32_t kChangeLaneHueFixed = 314;
constexpr int32_t kChangeLaneHuesFixed = 315;

// All of these run on the UI thread; what reaches the mixer holds its lock.

// Every ball of the lane goes, from the last to the first, under one hold of the mixer lock.
void RemoveLaneBalls(Arrangement& arrangement, TLane& lane);

// Every ball of the lane goes, from the last to the first, under one hold of the mixer lock;
// with `withLane` the lane goes too. Then the change code.
void RemoveLane(Arrangement& arrangement, TLane& lane, bool withLane, int32_t changeCode);

// The lane's row trades places with the row `step` away: every lane and ball of either row
// moves to the other. False, with nothing changed, when that row lies outside the ball range.
// Change code 354.
bool MoveLane(Arrangement& arrangement, TLane& lane, int32_t step);

// Balls in the lane on the steps of the play range: every `every` steps from the range's
// first step (change code 300). Unless `keep`, the lane's balls go first. The number of balls
// added; no change code when nothing changed.
int LayLaneBalls(Arrangement& arrangement, TLane& lane, int every, bool keep);
// The same with a ball on each step for which the coin comes up true (change code 299).
int ScatterLaneBalls(Arrangement& arrangement, TLane& lane, bool keep,
                     const std::function<bool()>& coin);

// The lane gets a new hue of the program's choice: change code 312 when its hue was chosen.
void NewLaneHue(Arrangement& arrangement, TLane& lane);
// A hue of the program's choice becomes the lane's own chosen one (change code 314); false for
// a chosen hue.
bool FixLaneHue(Arrangement& arrangement, TLane& lane);
// New hues of the program's choice for every lane, or only for those that have one already;
// change code 312 when a chosen hue went.
void NewLaneHues(Arrangement& arrangement, bool onlyGenerated);
// Every hue of the program's choice becomes chosen; change code 315 when there was one.
void FixLaneHues(Arrangement& arrangement);

// The lanes in row order (lanes of one row in list order), each line ended by CR LF: their
// names; in full, a heading line and then per lane its row, name, sound file, loudness, pan,
// hue, whether it is muted and its number of balls, separated by tabs.
QString LaneListText(const TTheLanes& lanes, bool full);
