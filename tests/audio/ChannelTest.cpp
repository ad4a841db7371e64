// Channels through the real engine: loudness, pan and matrix, the envelope, loops, lists.
#include "AudioTestSupport.h"

#include "audio/AudioOutput.h"
#include "audio/Channels.h"
#include "audio/HeadlessMinglerHost.h"
#include "audio/Mingler.h"
#include "audio/MinglerHooks.h"

using namespace audiotest;

namespace {

TEST(StreamBytes, ScaleByTracksAndRefuseNone) {
    EXPECT_EQ(StreamBytesOf(1001, 1), 500); // integer halving for mono
    EXPECT_EQ(StreamBytesOf(1001, 2), 1001);
    EXPECT_EQ(StreamBytesOf(1000, 6), 3000);
    EXPECT_EQ(StreamBytesOf(3, 3), 4);                                // 4.5 rounds to even
    EXPECT_EQ(StreamBytesOf(5, 3), 8);                                // 7.5 rounds to even
    EXPECT_EQ(StreamBytesOf(int64_t{1} << 40, 16), int64_t{8} << 40); // no 32-bit overflow
    EXPECT_EQ(StreamBytesOf(100, 0), std::nullopt);
}

class Channels : public AudioTest {
protected:
    void SetUp() override {
        AudioTest::SetUp();
        hooks.Attach(&plan.arrangement, nullptr, nullptr);
        mingler = std::make_unique<TTheMingler>(
            plan.arrangement, output, host,
            TTheMingler::Setup{false, false, TTheMingler::Output::Decode});
        mingler->CreateStream();
        ASSERT_NE(mingler->Handle(), 0u);
    }
    void TearDown() override {
        mingler.reset();
        AudioTest::TearDown();
    }
    // A lane at row 0 with a file of `tracks` tracks whose track t is (t + 1) / 8, and a ball.
    TBall& ballOn(int tracks, const QString& name = "tracks.wav") {
        WriteWav(file(name), PlanFixture::kRate, tracks, 4000,
                 [](int64_t, int track) { return static_cast<float>(track + 1) / 8.0f; });
        plan.AddLane(0, file(name));
        return plan.AddBall(0, 0);
    }
    TChan* play(TBall& ball, int64_t offset = 0, Elements delay = {}) {
        return BallChannels(ball).Play(ball.Values(), &ball, offset, delay, mingler->LiveTarget(),
                                       ball.Lane());
    }
    // Left and right at a frame well inside the sound.
    std::pair<int, int> sides() {
        const std::vector<int16_t> out = PullFrames(mingler->Handle(), 100);
        return {Sample(out, 50, 0), Sample(out, 50, 1)};
    }

    MinglerHooks hooks;
    PlanFixture plan{hooks};
    AudioOutput output;
    HeadlessMinglerHost host;
    std::unique_ptr<TTheMingler> mingler;
};

TEST_F(Channels, LoudnessMultipliesUpToTheLaneAndNegativeIsSilent) {
    TBall& ball = ballOn(1); // mono 1/8, on both sides
    plan.arrangement.plan.Master.Loudness.SetValue(0.8L);
    ball.Lane()->Piece().Loudness.SetValue(0.5L);
    ball.EditPiece().Loudness.SetValue(0.5L);
    ASSERT_NE(play(ball), nullptr);
    EXPECT_EQ(sides(), std::make_pair(1024, 1024)); // 1/8 x 0.25

    mingler->SilenceAll();
    ball.EditPiece().Loudness.SetValue(TPiece::kLoudnessNotSet);
    ball.Lane()->Piece().Loudness.SetValue(TPiece::kLoudnessNotSet);
    ASSERT_NE(play(ball), nullptr);
    EXPECT_NEAR(sides().first, 0.8 * 4096, 1); // the master's

    mingler->SilenceAll();
    ball.EditPiece().Loudness.SetValue(-0.5L);
    ASSERT_NE(play(ball), nullptr);
    EXPECT_EQ(sides(), std::make_pair(0, 0));
    EXPECT_TRUE(faults().isEmpty());
}

TEST_F(Channels, ABallsChannelTakesUpValuesTheBallGetsWhileItSounds) {
    TBall& ball = ballOn(1);
    TChan* chan = play(ball);
    ASSERT_NE(chan, nullptr);
    EXPECT_EQ(ball.OwnPiece(), nullptr) << "sounding gives a ball no piece of its own";
    ball.EditPiece().Loudness.SetValue(0.5L);
    ball.Lane()->Piece().Loudness.SetValue(0.5L);
    chan->ApplyLoudness(); // as a change of the lane's loudness does
    EXPECT_EQ(&chan->Values(), ball.OwnPiece());
    EXPECT_EQ(sides(), std::make_pair(1024, 1024)); // 1/8 x 0.25
}

TEST_F(Channels, PanWithoutMatrixIsTheClampedBalance) {
    TBall& ball = ballOn(1);
    ball.EditPiece().Pan.SetValue(1.5L);
    ASSERT_NE(play(ball), nullptr);
    EXPECT_EQ(sides(), std::make_pair(0, 4096));
    mingler->SilenceAll();
    ball.EditPiece().Pan.SetValue(-0.5L);
    ASSERT_NE(play(ball), nullptr);
    EXPECT_EQ(sides(), std::make_pair(4096, 2048));
}

TEST_F(Channels, MatrixRoutesTheSourceTracksWithThePanTable) {
    TBall& ball = ballOn(4);
    TPiece& piece = ball.EditPiece();
    piece.SrcTrack0 = 2;
    piece.SrcTrack1 = 3;
    piece.ApplySourceTracks();
    ASSERT_EQ(piece.Matrix.size(), 8u);
    struct Case {
        long double pan;
        int left, right;
    };
    // Tracks 2 and 3 hold 3/8 and 4/8.
    for (const Case c : {Case{0, 12288, 16384}, Case{0.5L, 6144, 16384}, Case{1.5L, 0, 16384},
                         Case{-0.25L, 12288, 12288}, Case{-2, 12288, 0}}) {
        piece.Pan.SetValue(c.pan);
        ASSERT_NE(play(ball), nullptr);
        EXPECT_EQ(sides(), std::make_pair(c.left, c.right)) << static_cast<double>(c.pan);
        mingler->SilenceAll();
    }
    EXPECT_TRUE(faults().isEmpty());
}

TEST_F(Channels, MatrixOfAnotherTrackCountIsNotUsed) {
    // The lane's matrix is for its stereo file; the ball plays its own six-track file.
    TBall& ball = ballOn(2, "stereo.wav");
    TPiece& lane = ball.Lane()->Piece();
    lane.SrcTrack0 = 1;
    lane.SrcTrack1 = 0;
    lane.ApplySourceTracks();
    ASSERT_EQ(lane.Matrix.size(), 4u);
    WriteWav(file("six.wav"), PlanFixture::kRate, 6, 4000,
             [](int64_t, int track) { return static_cast<float>(track + 1) / 64.0f; });
    ball.EditPiece().Resource = plan.arrangement.resources.FindOrAdd(file("six.wav"), {});
    TChan* chan = play(ball);
    ASSERT_NE(chan, nullptr);
    EXPECT_TRUE(chan->PanMatrix().empty());
    // Six tracks to two without a matrix: the engine's own mapping, 1 + 3 + 5 and 2 + 4 + 6.
    EXPECT_EQ(sides(), std::make_pair(9 * 512, 12 * 512));
    EXPECT_TRUE(faults().isEmpty());
}

TEST_F(Channels, MonoMatrixCellsReachTheRightRow) {
    TBall& ball = ballOn(1);
    TPiece& piece = ball.EditPiece();
    piece.SrcTrack0 = 0;
    piece.SrcTrack1 = 0;
    piece.ApplySourceTracks();
    piece.SetMatrixCell(0, 0.25f);
    piece.SetMatrixCell(1, 0.5f); // row 1 of a one-track matrix
    EXPECT_EQ(piece.Matrix, (std::vector<float>{0.25f, 0.5f}));
    piece.Pan.SetValue(-0.5L);
    ASSERT_NE(play(ball), nullptr);
    EXPECT_EQ(sides(), std::make_pair(4096, 2048));
}

TEST_F(Channels, EnterWithAOneFrameFadeAtTheirDelay) {
    WriteWav(file("ramp.wav"), PlanFixture::kRate, 2, 500, [](int64_t f, int) { return Ramp(f); });
    plan.AddLane(0, file("ramp.wav"));
    TBall& ball = plan.AddBall(0, 0);
    ASSERT_NE(play(ball, 0, Elements{4 * 123 + 3}), nullptr); // rounded down to frame 123
    const std::vector<int16_t> out = PullFrames(mingler->Handle(), 1000);
    EXPECT_EQ(FirstSounding(out, 0), 124);
    EXPECT_EQ(Sample(out, 123, 0), 0); // the fade's first frame
    EXPECT_EQ(Sample(out, 124, 1), RampInMix(1));
    EXPECT_EQ(Sample(out, 622, 0), RampInMix(499));
    EXPECT_EQ(FirstSounding(out, 0, 623), -1);
}

TEST_F(Channels, LoopingReturnsToWhereTheChannelBeganUntilItsLifeRunsOut) {
    WriteWav(file("ramp.wav"), PlanFixture::kRate, 2, 200, [](int64_t f, int) { return Ramp(f); });
    plan.AddLane(0, file("ramp.wav"));
    TBall& ball = plan.AddBall(0, 0);
    plan.arrangement.plan.Master.RoundRobin = true;
    ball.EditPiece().ResEnd.SetValue(int64_t{400}); // frame 100 on the resource scale / 2
    ball.EditPiece().Life.SetValue(int64_t{4000});  // 1000 frames
    TChan* chan = play(ball, 20 * 8);               // begins 20 frames in
    ASSERT_NE(chan, nullptr);
    EXPECT_EQ(chan->LoopStart(), 20 * 8);
    EXPECT_EQ(chan->LoopEnd(), 100 * 8);
    const std::vector<int16_t> out = PullFrames(mingler->Handle(), 1200);
    EXPECT_EQ(Sample(out, 0, 0), 0);
    for (int64_t f = 1; f < 980; ++f)
        ASSERT_EQ(Sample(out, f, 0), RampInMix(20 + f % 80)) << f;
    EXPECT_EQ(FirstSounding(out, 0, 980), -1); // 1000 frames of life less the 20 skipped
}

TEST_F(Channels, LoopEndScalesWithTheResourceRateLikeTheStart) {
    // A 4000 per second file in the 8000 per second plan: its frames count double.
    WriteWav(file("slow.wav"), PlanFixture::kRate / 2, 2, 200,
             [](int64_t f, int) { return Ramp(f); });
    plan.AddLane(0, file("slow.wav"));
    TBall& ball = plan.AddBall(0, 0);
    plan.arrangement.plan.Master.RoundRobin = true;
    ball.EditPiece().ResStart.SetValue(int64_t{80}); // 20 plan frames: 10 of the file's
    ball.EditPiece().ResEnd.SetValue(int64_t{400});  // 100 plan frames: 50 of the file's
    TChan* chan = play(ball);
    ASSERT_NE(chan, nullptr);
    EXPECT_EQ(chan->LoopStart(), 10 * 8);
    EXPECT_EQ(chan->LoopEnd(), 50 * 8);
}

TEST_F(Channels, OffsetBeyondTheSoundStartsNothing) {
    WriteWav(file("short.wav"), PlanFixture::kRate, 2, 100, [](int64_t, int) { return 0.5f; });
    plan.AddLane(0, file("short.wav"));
    TBall& ball = plan.AddBall(0, 0);
    EXPECT_EQ(play(ball, 100 * 8), nullptr);
    EXPECT_NE(play(ball, 99 * 8), nullptr);
    ball.EditPiece().Life.SetValue(int64_t{40}); // 10 frames of real life
    EXPECT_EQ(play(ball, 10 * 8), nullptr);
}

TEST_F(Channels, LanesListWhatSoundsAndLetGoWhenEitherSideGoes) {
    WriteWav(file("snd.wav"), PlanFixture::kRate, 2, 100, [](int64_t, int) { return 0.5f; });
    TLane& lane = plan.AddLane(0, file("snd.wav"));
    TBall& ball = plan.AddBall(0, 0);
    TBall& other = plan.AddBall(1, 0);
    const int32_t before = LiveChannelCount();
    ASSERT_NE(play(ball), nullptr);
    ASSERT_NE(play(other), nullptr);
    ASSERT_NE(play(other), nullptr);
    EXPECT_EQ(LiveChannelCount(), before + 3);
    ASSERT_NE(ExistingLaneSounding(lane), nullptr);
    EXPECT_EQ(ExistingLaneSounding(lane)->Count(), 3);

    plan.arrangement.balls.Remove(other); // its channels leave the lane's list
    EXPECT_EQ(ExistingLaneSounding(lane)->Count(), 1);
    EXPECT_EQ(LiveChannelCount(), before + 1);
    plan.arrangement.lanes.RemoveAll(); // the ball's channel is no longer listed anywhere
    EXPECT_EQ(LiveChannelCount(), before);
    ASSERT_EQ(ExistingBallChannels(ball)->Count(), 1);
    ExistingBallChannels(ball)->Clear(); // and goes without touching the lane
    EXPECT_EQ(LiveChannelCount(), before);
    EXPECT_TRUE(faults().isEmpty());
}

} // namespace
