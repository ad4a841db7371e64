// Rolling a large plan arms every ball, and stopping frees every channel again.
#include "AudioTestSupport.h"

#include "audio/AudioOutput.h"
#include "audio/Channels.h"
#include "audio/HeadlessMinglerHost.h"
#include "audio/Mingler.h"
#include "audio/MinglerHooks.h"

using namespace audiotest;

namespace {

class LargeRoll : public AudioTest {};

TEST_F(LargeRoll, TenThousandBallsAllArmAndStoppingFreesThem) {
    MinglerHooks hooks;
    PlanFixture plan(hooks);
    hooks.Attach(&plan.arrangement, nullptr, nullptr);
    for (int sound = 0; sound < 10; ++sound)
        WriteWav(file(QString("s%1.wav").arg(sound)), PlanFixture::kRate, 2, 4000,
                 [](int64_t f, int) { return Ramp(f % 100); });
    for (int row = 0; row < 100; ++row) {
        plan.AddLane(row, file(QString("s%1.wav").arg(row % 10)));
        for (int x = 0; x < 100; ++x)
            plan.AddBall(x, row);
    }
    AudioOutput output;
    HeadlessMinglerHost host;
    TTheMingler mingler(plan.arrangement, output, host,
                        TTheMingler::Setup{false, true, TTheMingler::Output::Decode});
    mingler.Roll(Elements{0});
    EXPECT_EQ(LiveChannelCount(), 10000);
    mingler.Stop();
    EXPECT_EQ(LiveChannelCount(), 0);
    EXPECT_TRUE(faults().isEmpty());
}

} // namespace
