// The mingler rolling plans in decode mode: balls sound at their exact elements.
#include "MinglerFixture.h"

#include "audio/Channels.h"
#include "texts/Parlance.h"

#include <QThread>

#include <chrono>

using namespace audiotest;

namespace {

constexpr int64_t kStep = PlanFixture::kStepFrames; // frames a step

class Mingling : public MinglerFixture {
protected:
    void SetUp() override {
        MinglerFixture::SetUp();
        left = &plan.AddLane(0, file("ramp.wav"), -1);
        right = &plan.AddLane(1, file("ramp.wav"), 1);
        plan.SetRange(0, 0);
    }
    // The ramp entered at `frame` (its fade frame) on a side, and nothing on that side just
    // before it.
    static void expectEntry(const std::vector<int16_t>& out, int64_t frame, int track,
                            int64_t intoSound = 0) {
        EXPECT_EQ(Sample(out, frame - 1, track), 0) << "before " << frame;
        EXPECT_EQ(Sample(out, frame, track), 0) << "fade at " << frame;
        EXPECT_EQ(Sample(out, frame + 1, track), RampInMix(intoSound + 1)) << "at " << frame;
        EXPECT_EQ(Sample(out, frame + 2, track), RampInMix(intoSound + 2));
    }

    TLane* left = nullptr;
    TLane* right = nullptr;
};

TEST_F(Mingling, RollingFromAPositionArmsEveryBallAtItsElement) {
    plan.AddBall(0, 0); // before the roll: at once, 1 step into its sound
    plan.AddBall(1, 1); // at the roll: at once from its beginning
    plan.AddBall(2, 0); // after: one step later
    make(false);
    mingler->Roll(Elements{1 * PlanFixture::kStepElements});
    ASSERT_TRUE(mingler->Playing());
    EXPECT_EQ(mingler->Origin(), Elements{PlanFixture::kStepElements});
    const std::vector<int16_t> out = pull(3 * kStep);
    EXPECT_EQ(Sample(out, 0, 0), 0);
    EXPECT_EQ(Sample(out, 1, 0), RampInMix(kStep + 1));       // the first ball, late by a step
    EXPECT_EQ(Sample(out, 1, 1), RampInMix(1));               // the second, from its start
    EXPECT_EQ(Sample(out, 2999 - kStep, 0), RampInMix(2999)); // the first ends with its sound
    EXPECT_EQ(FirstSounding(out, 0, 3000 - kStep), kStep + 1);
    expectEntry(out, kStep, 0);
    EXPECT_EQ(mingler->Position(), Elements{4 * PlanFixture::kStepElements});
}

TEST_F(Mingling, BallsLeftOfARollFromZeroOrBelowStartLateToo) {
    plan.AddBall(-1, 0);
    plan.AddBall(-2, 1);
    make(false);
    mingler->Roll(Elements{-PlanFixture::kStepElements});
    const std::vector<int16_t> out = pull(10);
    EXPECT_EQ(Sample(out, 1, 0), RampInMix(1));         // at the roll
    EXPECT_EQ(Sample(out, 1, 1), RampInMix(kStep + 1)); // a step before it
    mingler->Roll(Elements{0});
    EXPECT_EQ(Sample(pull(10), 1, 0), RampInMix(kStep + 1));
}

TEST_F(Mingling, BallStartsOffTheFrameGridEnterAtTheFrameBelow) {
    plan.arrangement.plan.FrameResolution.SetValue(63); // 7875 elements a step
    plan.arrangement.plan.RecomputeTiming();
    plan.arrangement.plan.RecomputeBallStarts();
    TBall& ball = plan.AddBall(3, 0);
    EXPECT_EQ(ball.Start(), Elements{23625});
    make(false);
    mingler->Roll(Elements{400}); // a ball 23225 elements ahead: frame 5806 and a quarter
    const std::vector<int16_t> out = pull(7000);
    expectEntry(out, 5806, 0);
}

TEST_F(Mingling, OnlyAPendingStartUpFadeIsStarted) {
    make(false);
    mingler->Roll(Elements{0});
    EXPECT_EQ(host.fadesStarted, 0);
    host.fadePending = true;
    mingler->Roll(Elements{0});
    EXPECT_EQ(host.fadesStarted, 1);
    EXPECT_TRUE(faults().isEmpty()); // the old stream went cleanly
}

TEST_F(Mingling, StoppingAResourceSilencesOnlyItsChannels) {
    WriteWav(file("other.wav"), PlanFixture::kRate, 2, 3000, [](int64_t, int) { return 0.5f; });
    TBall& ramp = plan.AddBall(0, 0);
    TBall& other = plan.AddBall(0, 1);
    other.EditPiece().Resource = plan.arrangement.resources.FindOrAdd(file("other.wav"), {});
    make(false);
    mingler->Roll(Elements{0});
    StopResourceChannels(plan.arrangement.balls, *left->Piece().Resource);
    EXPECT_EQ(BallChannels(ramp).Count(), 0);
    EXPECT_EQ(BallChannels(other).Count(), 1);
    const std::vector<int16_t> out = pull(10);
    EXPECT_EQ(Sample(out, 1, 0), 0);
    EXPECT_EQ(Sample(out, 1, 1), 16384);
}

TEST_F(Mingling, StruckLanesAndMissingLanesAreSilent) {
    plan.AddBall(0, 0);
    plan.AddBall(0, 7); // no lane at row 7
    left->Striked = true;
    make(false);
    mingler->Roll(Elements{0});
    EXPECT_EQ(FirstSounding(pull(kStep), 0), -1);
    EXPECT_EQ(LiveChannelCount(), 0);
}

TEST_F(Mingling, LoopingWrapsAtTheEndSampleExactlyAndArmsAgain) {
    plan.SetRange(0, 2);
    plan.AddBall(0, 0);
    TBall& atEnd = plan.AddBall(2, 0); // left out while looping
    plan.AddBall(1, 1);
    make(true);
    mingler->Roll(Elements{0});
    EXPECT_EQ(BallChannels(atEnd).Count(), 0);
    const std::vector<int16_t> out = pull(7 * kStep);
    for (int64_t loop = 0; loop < 3; ++loop) {
        const int64_t at = loop * 2 * kStep;
        if (loop > 0)
            expectEntry(out, at, 0);
        // The ball at the end would have doubled the sound here.
        EXPECT_EQ(Sample(out, at + 1, 0), RampInMix(1));
        expectEntry(out, at + kStep, 1);
    }
    // A decoding mix hears what it mixes: the end sync followed each wrap at once.
    EXPECT_FALSE(mingler->Wrapped());
    EXPECT_EQ(host.wrappedTo.size(), 3u);
    EXPECT_EQ(mingler->Position(), Elements{PlanFixture::kStepElements});
    Elements heard;
    ASSERT_TRUE(mingler->HeardPosition(heard));
    EXPECT_EQ(heard, Elements{PlanFixture::kStepElements});
    EXPECT_EQ(host.rangeEnds, 3);
    EXPECT_TRUE(faults().isEmpty()) << faults().join("\n").toStdString();
}

TEST_F(Mingling, RollFromInsideTheRangeWrapsToItsStart) {
    plan.SetRange(1, 3);
    plan.AddBall(1, 0);
    plan.AddBall(2, 1);
    make(true);
    mingler->Roll(Elements{2 * PlanFixture::kStepElements}); // the right ball at once
    const std::vector<int16_t> out = pull(4 * kStep);
    EXPECT_EQ(Sample(out, 1, 1), RampInMix(1));
    expectEntry(out, kStep, 0); // the wrap to the range's start: the left ball
    expectEntry(out, 2 * kStep, 1);
    EXPECT_EQ(host.wrappedTo.front(), Elements{PlanFixture::kStepElements});
    EXPECT_EQ(host.baseResets.front(), Elements{PlanFixture::kStepElements});
    // From 2 to the end at 3, 1 to 3, and 1 to 2 again.
    Elements heard;
    ASSERT_TRUE(mingler->HeardPosition(heard));
    EXPECT_EQ(heard, Elements{2 * PlanFixture::kStepElements});
    EXPECT_EQ(mingler->Position(), heard);
}

TEST_F(Mingling, WithoutARangePlayingRunsOnPastTheEnd) {
    plan.AddBall(0, 0);
    plan.AddBall(3, 0);
    make(true); // looping, but Start = End
    mingler->Roll(Elements{0});
    const std::vector<int16_t> out = pull(4 * kStep);
    expectEntry(out, 3 * kStep, 0);
    EXPECT_TRUE(host.wrappedTo.empty());
    EXPECT_EQ(host.rangeEnds, 0);
}

TEST_F(Mingling, BallPlacedWhileRollingSoundsAtItsStartOrJustAhead) {
    make(false);
    mingler->Roll(Elements{0});
    pull(500);
    TBall& ahead = plan.AddBall(1, 0);
    ahead.PlayOffset = Elements{999}; // stale from an earlier roll
    hooks.ArmBall(ahead);             // as the room hands a placed ball over
    EXPECT_NE(ahead.Sync, 0u);
    std::vector<int16_t> out = pull(kStep);
    expectEntry(out, kStep - 500, 0);
    EXPECT_EQ(ahead.Sync, 0u);

    // Mixing is at 2500 frames (10000 elements); a ball at 1 step is 2000 elements late.
    TBall& late = plan.AddBall(1, 1);
    mingler->ArmBall(late);
    EXPECT_EQ(late.PlayOffset, Elements{(10000 - 8000 + 6) * 2});
    out = pull(100);
    // One frame (4 elements) ahead, late by (2000 + 6) x 2 units: 501.5 frames, so frame 501.
    EXPECT_EQ(Sample(out, 0, 1), 0);
    EXPECT_EQ(Sample(out, 1, 1), 0); // the fade's frame
    EXPECT_EQ(Sample(out, 2, 1), RampInMix(501 + 1));
}

TEST_F(Mingling, ArmingABallThatTheRollArmedDoesNotDoubleIt) {
    TBall& ball = plan.AddBall(1, 0);
    make(false);
    mingler->Roll(Elements{0});
    mingler->ArmBall(ball);
    EXPECT_EQ(ball.Sync, 0u);
    const std::vector<int16_t> out = pull(2 * kStep);
    expectEntry(out, kStep, 0);
}

TEST_F(Mingling, RearmingAListArmsOnlyBallsWithoutSound) {
    TBall& armed = plan.AddBall(1, 0);
    make(false);
    mingler->Roll(Elements{0});
    pull(100);
    TBall& added = plan.AddBall(2, 1);
    mingler->RearmList({&armed, &added});
    const std::vector<int16_t> out = pull(3 * kStep);
    expectEntry(out, kStep - 100, 0);
    expectEntry(out, 2 * kStep - 100, 1);
}

TEST_F(Mingling, TurningLoopingOnMidRollWrapsAtTheEnd) {
    plan.SetRange(0, 2);
    plan.AddBall(0, 0);
    make(false);
    mingler->Roll(Elements{0});
    pull(kStep);
    mingler->ToggleRoundRobin();
    EXPECT_TRUE(mingler->RoundRobin());
    const std::vector<int16_t> out = pull(2 * kStep);
    expectEntry(out, kStep, 0); // the wrap at 2 steps
}

TEST_F(Mingling, TurningLoopingOffMidRollArmsTheBallsBeyondTheEnd) {
    plan.SetRange(0, 2);
    plan.AddBall(0, 0);
    plan.AddBall(3, 1);
    make(true);
    mingler->Roll(Elements{0});
    pull(kStep);
    mingler->ToggleRoundRobin();
    const std::vector<int16_t> out = pull(3 * kStep);
    EXPECT_EQ(FirstSounding(out, 0, 1500), -1); // no wrap: the left ball does not come again
    expectEntry(out, 2 * kStep, 1);
}

// Looping switched off while the mix held its lock to wrap: the wrap is heard later, so the
// carrier jumps to the end as for any wrap not yet heard.
TEST_F(Mingling, LoopingSwitchedOffWhileTheMixWrapsJumpsToTheEnd) {
    plan.SetRange(0, 2);
    plan.AddBall(0, 0);
    make(true);
    mingler->Roll(Elements{0});
    pull(kStep);
    mingler->Lock();
    std::thread toggle([this] { mingler->ToggleRoundRobin(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(100)); // until it waits for the lock
    pull(2 * kStep);                                             // the wrap, under the lock
    ASSERT_TRUE(mingler->Wrapped());
    mingler->Unlock();
    toggle.join();
    EXPECT_FALSE(mingler->RoundRobin());
    EXPECT_EQ(host.jumps, std::vector<Elements>{plan.arrangement.plan.End});
}

// A mix that stopped by itself goes with nothing armed in it left behind.
TEST_F(Mingling, AReleasedMixTakesItsChannelsAndSyncsWithItAndCountsAsNotPlaying) {
    TBall& now = plan.AddBall(0, 0);
    TBall& later = plan.AddBall(3, 1);
    make(false);
    const int32_t before = LiveChannelCount();
    mingler->Roll(Elements{0});
    ASSERT_EQ(LiveChannelCount(), before + 2) << "both armed, the later one delayed";
    EXPECT_TRUE(mingler->Pause()) << "a decoding mix pauses as it is pulled";
    mingler->Release();
    EXPECT_EQ(mingler->Handle(), 0u);
    EXPECT_FALSE(mingler->Playing());
    EXPECT_EQ(LiveChannelCount(), before);
    EXPECT_EQ(BallChannels(now).Count(), 0);
    EXPECT_EQ(BallChannels(later).Count(), 0);
    EXPECT_FALSE(mingler->Pause()) << "nothing to pause";
    EXPECT_TRUE(faults().isEmpty());
}

TEST_F(Mingling, AuditionPlaysAtOnceOnItsOwnMixAndIsReleased) {
    TBall& ball = plan.AddBall(0, 0);
    make(false);
    host.rolls = false;
    const int32_t before = LiveChannelCount();
    mingler->Audition(&ball.EditPiece(), &left->Piece(), left, true, false);
    ASSERT_NE(mingler->AuditionHandle(), 0u);
    EXPECT_EQ(mingler->Handle(), 0u);
    EXPECT_EQ(LiveChannelCount(), before + 1);
    ASSERT_EQ(mingler->AuditionChannels()->Count(), 1);
    EXPECT_EQ(mingler->AuditionChannels()->At(0).Piece, &left->Piece());
    const std::vector<int16_t> out = PullFrames(mingler->AuditionHandle(), 10);
    EXPECT_EQ(Sample(out, 1, 0), RampInMix(1));

    // Deleting the resource lets its audition go first.
    TRes* sound = left->Piece().Resource;
    mingler->Audition(&ball.EditPiece(), &left->Piece(), left, false, false);
    EXPECT_EQ(mingler->AuditionChannels()->Count(), 2);
    plan.arrangement.resources.Delete(*sound);
    EXPECT_EQ(mingler->AuditionChannels()->Count(), 0);
    EXPECT_EQ(LiveChannelCount(), before);
    mingler->Audition(nullptr, nullptr, nullptr, false, true);
    EXPECT_EQ(mingler->AuditionHandle(), 0u);
    left->Piece().Resource = nullptr;
    right->Piece().Resource = nullptr;
}

TEST_F(Mingling, AuditionWhileRollingJoinsTheLiveMixWhereItIs) {
    make(false);
    mingler->Roll(Elements{0});
    pull(300);
    mingler->Audition(&right->Piece(), nullptr, right, true, false);
    EXPECT_EQ(mingler->AuditionHandle(), 0u);
    const std::vector<int16_t> out = pull(10);
    EXPECT_EQ(Sample(out, 1, 1), RampInMix(1));
}

TEST_F(Mingling, RemovingBallsAndLanesHoldsTheLockWhileTheMixRuns) {
    plan.SetRange(0, 1);
    for (int x = 0; x < 50; ++x)
        plan.AddBall(x % 2, x % 2 + 100 * (x / 2)); // most of them without a lane
    make(true);
    mingler->Roll(Elements{0});
    // Another thread pulls (and so wraps, walking the ball list) while this one edits it.
    std::atomic<bool> done{false};
    QThread* puller = QThread::create([&] {
        while (!done)
            PullFrames(mingler->Handle(), 301);
    });
    puller->start();
    for (int round = 0; round < 200; ++round) {
        TBall& added = plan.AddBall(1000 + round, 0);
        mingler->ArmBall(added);
        plan.arrangement.balls.Remove(added);
        plan.arrangement.lanes.Add(50 + round, 20, false);
    }
    done = true;
    puller->wait();
    delete puller;
    EXPECT_TRUE(faults().isEmpty()) << faults().join("\n").toStdString();
}

TEST_F(Mingling, WithoutTheMixerLibraryRollingDoesNothingAndSaysWhy) {
    make(false);
    UnloadBassMixLibrary();
    mingler->Roll(Elements{0});
    QString error;
    ASSERT_TRUE(LoadBassMixLibrary(ProgramFile("libgbxaudiomix.so"), error));
    EXPECT_FALSE(mingler->Playing());
    EXPECT_EQ(mingler->Handle(), 0u);
    const std::vector<ReportLine> lines = reports();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].subject, Text(309));
    EXPECT_EQ(lines[0].text, Text(310));
}

TEST_F(Mingling, PlayedOnTheNoSoundDeviceThePositionAdvances) {
    plan.AddBall(0, 0);
    make(false, TTheMingler::Output::Device);
    mingler->Roll(Elements{1000});
    ASSERT_TRUE(mingler->Playing());
    QThread::msleep(300);
    const Elements mixed = mingler->Position();
    Elements heard;
    ASSERT_TRUE(mingler->HeardPosition(heard));
    EXPECT_GT(heard, Elements{1000});
    EXPECT_GE(mixed, heard);
    // 300 ms at 8000 frames a second is 9600 elements; the output buffer runs ahead of it.
    EXPECT_GT(mixed.count, 1000 + 4000);
    mingler->Stop();
    EXPECT_EQ(ExistingBallChannels(plan.arrangement.balls.At(0))->Count(), 0);
}

// The end sync that moves the heard origin runs on the sync thread, a little after the wrap is
// heard; holding the mix lock keeps it waiting while the heard position crosses the wrap.
TEST_F(Mingling, TheHeardPositionCrossesAWrapIntoTheRangeBeforeTheEndSyncRuns) {
    plan.SetRange(2, 4);
    plan.AddBall(0, 0);
    make(true, TTheMingler::Output::Device);
    mingler->Roll(Elements{0}); // from before the range: its origin is not the range's start
    ASSERT_TRUE(mingler->Playing());
    const Elements start{2 * PlanFixture::kStepElements};
    const Elements end{4 * PlanFixture::kStepElements};
    // Mixed a little past the wrap, so that the buffer holds both sides of it.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!(mingler->Wrapped() && mingler->Position() > start + Elements{1000}) &&
           std::chrono::steady_clock::now() < until)
        QThread::msleep(1);
    // Mixing waits for the lock, so the heard position stops where the buffer ends.
    std::vector<Elements> readings;
    {
        MixerLock lock(hooks);
        ASSERT_TRUE(mingler->Wrapped()) << "the wrap was not mixed in time, or already heard";
        int unchanged = 0;
        while (unchanged < 25 && std::chrono::steady_clock::now() < until) {
            Elements heard;
            ASSERT_TRUE(mingler->HeardPosition(heard));
            unchanged = !readings.empty() && heard == readings.back() ? unchanged + 1 : 0;
            readings.push_back(heard);
            QThread::msleep(2);
        }
    }
    ASSERT_LT(readings.front(), end) << "the wrap was heard before the lock was taken";
    // Then the end sync runs, and the line goes on from where it was.
    while (host.rangeEnds == 0 && std::chrono::steady_clock::now() < until)
        QThread::msleep(1);
    EXPECT_EQ(host.rangeEnds, 1); // the next wrap may be mixed already: the buffer refills
    for (int i = 0; i < 10; ++i) {
        Elements heard;
        ASSERT_TRUE(mingler->HeardPosition(heard));
        readings.push_back(heard);
        QThread::msleep(2);
    }
    int wraps = 0;
    for (size_t i = 0; i < readings.size(); ++i) {
        EXPECT_LT(readings[i], end) << "reading " << i;
        if (i > 0 && readings[i] < readings[i - 1]) {
            ++wraps;
            EXPECT_GE(readings[i], start) << "reading " << i;
        }
    }
    EXPECT_EQ(wraps, 1) << "the heard position crosses the wrap once, into the range";
}

// A range shorter than the output buffer, and an end sync held back for longer than a lap: once
// it runs it takes every wrap heard meanwhile, and the end of each lap after is still heard.
TEST_F(Mingling, EndSyncsHeldBackForLapsGoOnAfterwards) {
    plan.SetRange(0, 1);
    plan.AddBall(0, 0);
    make(true, TTheMingler::Output::Device);
    mingler->Roll(Elements{0});
    ASSERT_TRUE(mingler->Playing());
    const Elements end{PlanFixture::kStepElements};
    {
        MixerLock lock(hooks); // a quarter-second lap, and the buffer's half second is mixed
        QThread::msleep(700);
        EXPECT_EQ(host.rangeEnds, 0);
    }
    QThread::msleep(1500);
    EXPECT_GE(host.rangeEnds, 4) << "the ends of the laps after the hold-up were not heard";
    Elements heard;
    ASSERT_TRUE(mingler->HeardPosition(heard));
    EXPECT_GE(heard, Elements{0});
    EXPECT_LT(heard, end);
    mingler->Stop();
}

} // namespace
