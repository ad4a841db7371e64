// A real mingler rolling a plan in decode mode, over a host that records what it is told, with a
// 3000-frame ramp, "ramp.wav", for the plan's lanes to play.
#pragma once

#include "AudioTestSupport.h"

#include "audio/AudioOutput.h"
#include "audio/HeadlessMinglerHost.h"
#include "audio/Mingler.h"
#include "audio/MinglerHooks.h"

#include <atomic>
#include <memory>
#include <vector>

// Rolls unless told otherwise; a fade-in waits only when a test says so.
class RecordingHost : public HeadlessMinglerHost {
public:
    bool CarrierRolls() const override { return rolls; }
    void LineWrapped(Elements start) override { wrappedTo.push_back(start); }
    void LineBaseReset(Elements start) override { baseResets.push_back(start); }
    void RangeEndHeard() override { ++rangeEnds; }
    void CarrierJumpTo(Elements position) override { jumps.push_back(position); }
    bool FadeInPending() const override { return fadePending; }
    void StartFadeIn() override { ++fadesStarted; }

    bool rolls = true;
    bool fadePending = false;
    int fadesStarted = 0;
    std::vector<Elements> wrappedTo;
    std::vector<Elements> baseResets;
    std::vector<Elements> jumps;
    std::atomic<int> rangeEnds{0};
};

class MinglerFixture : public audiotest::AudioTest {
protected:
    void SetUp() override {
        AudioTest::SetUp();
        hooks.Attach(&plan.arrangement, nullptr, nullptr); // sounds open as lanes are added
        audiotest::WriteWav(file("ramp.wav"), audiotest::PlanFixture::kRate, 2, 3000,
                            [](int64_t f, int) { return audiotest::Ramp(f); });
    }
    void TearDown() override {
        mingler.reset();
        AudioTest::TearDown();
    }
    // The mingler, once the test has set the plan up.
    void make(bool roundRobin, TTheMingler::Output output = TTheMingler::Output::Decode) {
        mingler = std::make_unique<TTheMingler>(plan.arrangement, audioOutput, host,
                                                TTheMingler::Setup{roundRobin, true, output});
        hooks.Attach(&plan.arrangement, mingler.get(), &host);
    }
    std::vector<int16_t> pull(int64_t frames) {
        return audiotest::PullFrames(mingler->Handle(), frames);
    }

    MinglerHooks hooks;
    audiotest::PlanFixture plan{hooks};
    AudioOutput audioOutput;
    RecordingHost host;
    std::unique_ptr<TTheMingler> mingler;
};
