// The three ways into the mingler's audition.
#include "commands/Audition.h"

#include "audio/Mingler.h"
#include "model/Arrangement.h"

void AuditionLane(TTheMingler* mingler, TLane* lane, bool replace, bool release) {
    if (!mingler || !lane)
        return;
    mingler->Audition(&lane->Piece(), &lane->Piece(), lane, replace, release);
}

void AuditionBall(TTheMingler* mingler, TBall* ball, bool replace, bool release) {
    TLane* lane = ball ? ball->Lane() : nullptr;
    if (!mingler || !lane)
        return;
    mingler->Audition(ball->OwnPiece(), &lane->Piece(), lane, replace, release);
}

void AuditionAtPoint(TTheMingler* mingler, const Arrangement& arrangement, TLane*& currentLane,
                     TBall*& currentBall, bool replace, bool release) {
    const TThePoint& point = arrangement.room.Point;
    currentBall = arrangement.balls.Find(point.X, point.Y);
    if (currentBall && currentBall->OwnPiece() && currentBall->OwnPiece()->Resource) {
        AuditionBall(mingler, currentBall, replace, release);
        return;
    }
    currentLane = arrangement.lanes.AtPosition(point.Y);
    AuditionLane(mingler, currentLane, replace, release);
}
