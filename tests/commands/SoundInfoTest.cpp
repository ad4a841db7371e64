#include "commands/SoundInfo.h"
#include "EnglishTexts.h"
#include "audio/AudioTestSupport.h"

using namespace audiotest;

namespace {

// Information texts with the English words, over a plan whose resources are measured by hand:
// 8000 frames a second, float samples.
class SoundInfoTest : public ::testing::Test {
protected:
    // A resource of `frames` stereo frames, or one that could not be opened.
    static void measure(TRes& resource, int64_t frames) {
        resource.SampleBytes = 4;
        resource.Rate = PlanFixture::kRate;
        resource.RateRatio = 1;
        resource.Tracks = 2;
        resource.Life = frames * 8;
    }
    static QStringList lines(const QString& text) { return text.split("\r\n"); }

    EnglishTexts texts;
    PlanFixture plan;
    TLane& lane = plan.AddLane(4, "/sounds/lane.wav");
    TBall& ball = plan.AddBall(1, 4);
};

TEST_F(SoundInfoTest, AResourceShowsItsFactsAndNoneUntilMeasured) {
    TRes& resource = *lane.Piece().Resource;
    EXPECT_EQ(lines(ResourceInfoText(resource)),
              (QStringList{"Sound file", "/sounds/lane.wav", "", "Sample rate: none",
                           "Bits per sample: none", "Tracks: none", "Frames: none",
                           "Duration: none", "Held in memory: no"}));
    measure(resource, 12000);
    EXPECT_EQ(lines(ResourceInfoText(resource)).mid(3),
              (QStringList{"Sample rate: 8000", "Bits per sample: 16", "Tracks: 2", "Frames: 12000",
                           "Duration: 00:01.500", "Held in memory: no"}));
}

TEST_F(SoundInfoTest, ALaneShowsItsSettingsWithUnsetOnesNamedSo) {
    lane.Piece().Handle = "Kick";
    lane.Piece().Pan.SetValue(0.5L);
    EXPECT_EQ(lines(LaneInfoText(lane, 3)),
              (QStringList{"Sound file", "/sounds/lane.wav", "", "Name: Kick", "Row: 4", "Hue: 20",
                           "Hue chosen by the program: no", "", "Loudness: not set", "Pan: 0.5",
                           "Muted: no", "Balls: 1", "Sounding channels: 3"}));
}

TEST_F(SoundInfoTest, ABallPlaysItsLanesSoundUnlessItsOwnOpens) {
    measure(*lane.Piece().Resource, 12000);
    EXPECT_EQ(lines(BallInfoText(ball, 0)),
              (QStringList{"Sound file", "none", "", "Name: none", "Loudness: not set",
                           "Pan: not set", "", "Start in the sound: not set",
                           "End in the sound: not set", "", "Frames: 12000 not set",
                           "Duration: 00:01.500 not set", "", "Sounding channels: 0"}));
    // A file of its own that could not be opened: no sample size to divide by.
    ball.EditPiece().Resource = plan.arrangement.resources.FindOrAdd("/sounds/broken.wav", {});
    EXPECT_EQ(lines(BallInfoText(ball, 0)).mid(10, 2),
              (QStringList{"Frames: unknown not set", "Duration: unknown not set"}));
    TRes& own = *ball.EditPiece().Resource;
    measure(own, 4000);
    ball.EditPiece().Life.SetValue(int64_t{1000});
    EXPECT_EQ(lines(BallInfoText(ball, 2)).mid(10, 2),
              (QStringList{"Frames: 250", "Duration: 00:00.031"}));
    EXPECT_EQ(lines(RoomInfoText(plan.arrangement.balls)),
              (QStringList{"Balls: 1", "Balls with a sound file of their own: 1"}));
}

} // namespace
