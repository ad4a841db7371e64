// Undo and Redo while a looping plan rolls: the balls they bring back and take away sound, or
// fall silent, at their exact frames, in decode mode.
#include "audio/MinglerFixture.h"
#include "commands/BallPlacing.h"
#include "commands/EditHistory.h"
#include "controls/BallLink.h"
#include "model/LaneOperations.h"

using namespace audiotest;

namespace {

constexpr int64_t kStep = PlanFixture::kStepFrames;
constexpr int64_t kHalf = kStep / 2;

// A ball on each of two steps, in lanes panned left and right, looped and recorded from the
// start; the mix has rolled half a step.
class EditHistoryMix : public MinglerFixture {
protected:
    void rollHalfAStep() {
        plan.AddLane(0, file("ramp.wav"), -1);
        plan.AddLane(1, file("ramp.wav"), 1);
        plan.SetRange(0, 2);
        plan.AddBall(0, 0);
        plan.AddBall(1, 1);
        make(true);
        history.SetRecording(true);
        mingler->Roll(Elements{0});
        pull(kHalf);
    }

    TEditHistory history{plan.arrangement, [] { return PlanReadContext{}; }};
};

// The second ball goes half a step into the first lap, comes back by Undo at once, and goes again
// by Redo half a step into the second lap.
TEST_F(EditHistoryMix, UndoAndRedoWhileLoopingArmAndSilenceTheBallAtItsFrame) {
    rollHalfAStep();

    ASSERT_TRUE(RemoveBallAtCell(plan.arrangement, 1, 1, kChangeBallRemoved, nullptr));
    history.CloseStep();
    ASSERT_TRUE(history.Undo());
    ASSERT_EQ(history.Restored().size(), 1u);
    for (TBall* ball : history.Restored())
        hooks.ArmBall(*ball); // as the Undo command hands them over
    const std::vector<int16_t> firstLap = pull(2 * kStep - kHalf);
    EXPECT_EQ(Sample(firstLap, kStep - kHalf - 1, 1), 0);
    EXPECT_EQ(Sample(firstLap, kStep - kHalf + 1, 1), RampInMix(1)) << "back at its frame";

    pull(kHalf); // into the second lap, where the wrap armed it again
    ASSERT_TRUE(history.Redo());
    const std::vector<int16_t> secondLap = pull(kStep);
    // The first lap's sound ended by now; the second lap's never starts.
    EXPECT_EQ(FirstSounding(secondLap, 1), -1);
    EXPECT_EQ(plan.arrangement.balls.Find(1, 1), nullptr);
    EXPECT_TRUE(faults().isEmpty()) << faults().join("\n").toStdString();
}

// A lane removed with its ball half a step into the first lap comes back by Undo: its ball sounds
// at its frame in the same lap, through the lane's sound file and pan.
TEST_F(EditHistoryMix, ALaneRemovedWhileLoopingSoundsAgainAtItsFrameAfterUndo) {
    rollHalfAStep();
    Arrangement& arrangement = plan.arrangement;

    RemoveLane(arrangement, *arrangement.lanes.AtPosition(1), true, kChangeLaneRemoved);
    history.CloseStep();
    ASSERT_EQ(arrangement.lanes.Count(), 1);
    ASSERT_TRUE(history.Undo());
    ASSERT_EQ(arrangement.lanes.Count(), 2);
    for (TBall* ball : history.Restored())
        hooks.ArmBall(*ball);
    const std::vector<int16_t> firstLap = pull(2 * kStep - kHalf);
    EXPECT_EQ(Sample(firstLap, kStep - kHalf - 1, 1), 0);
    EXPECT_EQ(Sample(firstLap, kStep - kHalf + 1, 1), RampInMix(1)) << "back at its frame";
    EXPECT_TRUE(faults().isEmpty()) << faults().join("\n").toStdString();
}

} // namespace
