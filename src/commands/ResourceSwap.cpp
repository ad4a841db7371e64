#include "commands/ResourceSwap.h"

#include "audio/Channels.h"
#include "model/Arrangement.h"

void ReplaceResource(Arrangement& arrangement, TRes& from, TRes& to) {
    {
        // The mixing thread reads the pieces and plays the channels.
        MixerLock lock(arrangement.audio);
        StopResourceChannels(arrangement.balls, from);
        const auto relink = [&](TPiece& piece) {
            if (piece.Resource == &from)
                piece.Resource = &to;
        };
        relink(arrangement.plan.Master);
        for (int i = 0; i < arrangement.lanes.Count(); ++i)
            relink(arrangement.lanes.At(i).Piece());
        // Only the balls that name it: taking a ball's piece to edit tells the edit history.
        for (int i = 0; i < arrangement.balls.Count(); ++i)
            if (TBall& ball = arrangement.balls.At(i);
                ball.OwnPiece() && ball.OwnPiece()->Resource == &from)
                relink(ball.EditPiece());
    }
    arrangement.resources.Delete(from);
}
