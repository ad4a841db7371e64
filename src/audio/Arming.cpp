// The per-ball arming rule.
#include "audio/Arming.h"

#include "audio/Channels.h"
#include "audio/MixTarget.h"
#include "model/Balls.h"

TChan* StartBallSound(TTheBalls& balls, TBall& ball, bool fromOffset, Elements position,
                      MixTarget& target) {
    const auto start = balls.SoundStart(ball, fromOffset, position);
    if (!start)
        return nullptr;
    return target.ChannelsOf(ball).Play(ball.Values(), &ball, start->offset.count, start->delay,
                                        target, target.ListsInLanes() ? ball.Lane() : nullptr);
}

bool BeyondRangeEnd(const TBall& ball, Elements from, Elements end) {
    return end > from && ball.Start() >= end;
}

TChan* ArmBallFrom(TTheBalls& balls, TBall& ball, Elements from, MixTarget& target) {
    if (ball.Start() <= from) {
        ball.PlayOffset = Elements{(from - ball.Start()).count * TPiece::kSampleByteFactor};
        return StartBallSound(balls, ball, true, Elements{0}, target);
    }
    return StartBallSound(balls, ball, false, Elements{0} - from, target);
}
