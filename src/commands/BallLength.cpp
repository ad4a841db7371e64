// Setting a ball's length.
#include "commands/BallLength.h"

#include "model/Arrangement.h"

#include <QString>

#include <string>

int SampleSize(const TPiece& piece) {
    for (const TPiece* p = &piece; p; p = p->BasePiece())
        if (p->Resource && p->Resource->SampleBytes > 0)
            return p->Resource->SampleBytes;
    return 1;
}

TBall* SetBallLength(Arrangement& arrangement, TBall* ball, int64_t value, bool inFrames) {
    if (!ball) {
        const TThePoint& point = arrangement.room.Point;
        ball = arrangement.balls.Add(point.X, point.Y, TPiece::kNoOwnHue, false);
        if (!ball)
            return nullptr;
    }
    arrangement.plan.SetModified(kChangeBallLength, true);
    std::string text = std::to_string(value);
    if (value != kWholeSound) {
        if (inFrames)
            text += " * " + std::to_string(2 * SampleSize(ball->Values()));
        else
            text = QString::number(static_cast<double>(arrangement.plan.ElementsPerStep()), 'g', 15)
                       .toStdString() +
                   " * " + text;
    }
    SetBallLife(arrangement, *ball, text);
    return ball;
}

void SetBallLife(Arrangement& arrangement, TBall& ball, const std::string& text) {
    {
        MixerLock lock(arrangement.audio);
        ball.EditPiece().Life.SetText(text);
    }
    arrangement.audio.ArmBall(ball);
}
