// The sound length of a ball, as a formula of its piece's Life, set by the ball commands.
#pragma once

#include <cstdint>
#include <string>

class Arrangement;
class TBall;
class TPiece;

constexpr int32_t kChangeBallLength = 174;
// The length that plays the whole sound.
constexpr int64_t kWholeSound = -1;

// Bytes per sample of the piece's own sound, else of its lane's, else 1; a sound that could not
// be opened has none and counts as absent.
int SampleSize(const TPiece& piece);

// Sets the ball's length in steps, or in frames, or the whole sound; without a ball one is
// added at the point first (no change code of its own). Change code 174, and the mixer arms
// the ball again. None, with nothing changed, when no ball was given and the point's cell is
// outside the ball range. UI thread only.
TBall* SetBallLength(Arrangement& arrangement, TBall* ball, int64_t value, bool inFrames);
// The ball's length formula as it was, and the mixer arms the ball again. UI thread only.
void SetBallLife(Arrangement& arrangement, TBall& ball, const std::string& text);
