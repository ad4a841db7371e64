// A lane's strike flag, loudness and pan reach the balls sounding in it while the mix runs.
#include "MinglerFixture.h"

#include "model/LaneEdits.h"

using namespace audiotest;

namespace {

constexpr int64_t kStep = PlanFixture::kStepFrames;

// A lane panned left playing a 3000-frame ramp, rolled in decode mode.
class LaneSoundTest : public MinglerFixture {
protected:
    void SetUp() override {
        MinglerFixture::SetUp();
        lane = &plan.AddLane(0, file("ramp.wav"), -1);
        plan.SetRange(0, 0);
        make(false);
    }

    TLane* lane = nullptr;
};

TEST_F(LaneSoundTest, StrikingSilencesTheLaneAtOnceAndOpeningItArmsItsBallsAgain) {
    plan.AddBall(0, 0);
    plan.AddBall(4, 0);
    mingler->Roll(Elements{0});
    EXPECT_EQ(FirstSounding(pull(kStep), 0), 1);
    SetLaneStruck(plan.arrangement, *lane, true);
    EXPECT_EQ(FirstSounding(pull(kStep), 0), -1) << "the first ball's sound was cut";
    SetLaneStruck(plan.arrangement, *lane, false);
    // Two steps in: the first ball lies behind its sound's end, the second enters at step 4.
    const std::vector<int16_t> out = pull(3 * kStep);
    EXPECT_EQ(FirstSounding(out, 0), 2 * kStep + 1);
    EXPECT_EQ(Sample(out, 2 * kStep + 1, 0), RampInMix(1));
}

TEST_F(LaneSoundTest, LoudnessAndPanFromTheSliderReachTheSoundingChannel) {
    plan.AddBall(0, 0);
    mingler->Roll(Elements{0});
    EXPECT_EQ(Sample(pull(10), 1, 0), RampInMix(1));
    SetLaneLoudnessFromSlider(plan.arrangement, *lane, 50);
    std::vector<int16_t> out = pull(10);
    EXPECT_NEAR(Sample(out, 5, 0), RampInMix(15) / 2, 1);
    EXPECT_EQ(Sample(out, 5, 1), 0);
    SetLanePanFromSlider(plan.arrangement, *lane, 100);
    out = pull(10);
    EXPECT_EQ(Sample(out, 5, 0), 0);
    EXPECT_NEAR(Sample(out, 5, 1), RampInMix(25) / 2, 1);
}

} // namespace
