// Sounding a lane's or a ball's sound at once, outside the plan's timing, as the lane and ball
// commands and the Y key ask.
#pragma once

class Arrangement;
class TBall;
class TLane;
class TTheMingler;

// The lane and ball are the instructor's current ones. Without a mingler (no audio) nothing
// sounds. `replace` ends what the audition sounds already; `release` ends the audition instead
// of sounding. UI thread only.

// The lane's sound; nothing without a lane.
void AuditionLane(TTheMingler* mingler, TLane* lane, bool replace, bool release);
// The ball's own sound, else its lane's; nothing without a ball or for a ball without a lane.
void AuditionBall(TTheMingler* mingler, TBall* ball, bool replace, bool release);
// The ball at the point becomes the current ball; when it has a sound of its own it sounds,
// otherwise the lane at the point's row becomes the current lane and sounds.
void AuditionAtPoint(TTheMingler* mingler, const Arrangement& arrangement, TLane*& currentLane,
                     TBall*& currentBall, bool replace, bool release);
