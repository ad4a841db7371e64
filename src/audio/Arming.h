// Arming balls into a mix: the rule shared by the live mix and renders.
#pragma once

#include "model/Units.h"

class MixTarget;
class TBall;
class TChan;
class TTheBalls;

// Start ball sound into a target: the ball's piece starts a channel in the target's list for the
// piece, listed in the ball's lane when the target lists live channels. None for a struck or
// missing lane or a channel that cannot start. Under the target mixer's lock.
TChan* StartBallSound(TTheBalls& balls, TBall& ball, bool fromOffset, Elements position,
                      MixTarget& target);

// A roll from `from` that loops at `end` leaves out the balls at or after the end.
bool BeyondRangeEnd(const TBall& ball, Elements from, Elements end);

// Arms a ball for a roll from `from`: one that starts at or before it sounds at once, late by its
// distance (play offset (from - start) x 2 on the resource scale); a later one enters the mix
// after its distance in elements. Under the target mixer's lock.
TChan* ArmBallFrom(TTheBalls& balls, TBall& ball, Elements from, MixTarget& target);
