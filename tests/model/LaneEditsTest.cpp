#include "model/LaneEdits.h"
#include "RecordingHooks.h"
#include "model/Arrangement.h"
#include "model/SliderScale.h"
#include "support/DisplayName.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Three lanes at rows 0, 1 and 2; the master piece plays at full loudness, centred, as a plan
// reset leaves it.
class LaneEditsTest : public ::testing::Test {
protected:
    LaneEditsTest() {
        arrangement.plan.Master.Loudness.SetValue(1.0L);
        arrangement.plan.Master.Pan.SetValue(0.0L);
        for (int32_t position = 0; position < 3; ++position)
            lanes.push_back(&arrangement.lanes.Add(position, TPiece::kNoOwnHue, true));
    }
    std::vector<bool> struck() const {
        std::vector<bool> flags;
        for (const TLane* lane : lanes)
            flags.push_back(lane->Striked);
        return flags;
    }

    RecordingAudio audio;
    Arrangement arrangement{audio};
    std::vector<TLane*> lanes;
};

TEST_F(LaneEditsTest, SoloStrikesTheOthersAndASecondSoloOpensThemAgain) {
    SoloLane(arrangement, *lanes[0]);
    EXPECT_EQ(struck(), (std::vector<bool>{false, true, true}));
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeLaneStruck);
    // The mixer schedules exactly the lanes whose flag changed.
    EXPECT_EQ(audio.rescheduledLanes, (std::vector<TLane*>{lanes[1], lanes[2]}));
    SoloLane(arrangement, *lanes[0]);
    EXPECT_EQ(struck(), (std::vector<bool>{false, false, false}));

    // A struck lane while the others are open: they are struck and it opens.
    lanes[0]->Striked = true;
    SoloLane(arrangement, *lanes[0]);
    EXPECT_EQ(struck(), (std::vector<bool>{false, true, true}));
    // A struck lane while all the others are struck: only it opens.
    lanes[0]->Striked = true;
    SoloLane(arrangement, *lanes[0]);
    EXPECT_EQ(struck(), (std::vector<bool>{false, true, true}));
    // Soloing another lane while one is open strikes that one.
    SoloLane(arrangement, *lanes[1]);
    EXPECT_EQ(struck(), (std::vector<bool>{true, false, true}));
}

TEST(LaneEditsOnlyLaneTest, SoloOnTheOnlyLaneOpensItWhenStruckAndElseChangesNothing) {
    Arrangement arrangement;
    TLane& lane = arrangement.lanes.Add(0, TPiece::kNoOwnHue, true);
    SoloLane(arrangement, lane);
    EXPECT_FALSE(lane.Striked);
    lane.Striked = true;
    SoloLane(arrangement, lane);
    EXPECT_FALSE(lane.Striked);
}

TEST_F(LaneEditsTest, TheLeftClickTogglesOneLane) {
    ToggleLaneStruck(arrangement, *lanes[1]);
    EXPECT_EQ(struck(), (std::vector<bool>{false, true, false}));
    EXPECT_TRUE(arrangement.plan.Modified());
    ToggleLaneStruck(arrangement, *lanes[1]);
    EXPECT_EQ(struck(), (std::vector<bool>{false, false, false}));
}

TEST_F(LaneEditsTest, SliderPositionsSetPanAndLoudnessAndReachTheSoundingChannels) {
    TLane& lane = *lanes[0];
    for (const auto& [position, pan] : {std::pair{0, -1.0L}, {50, 0.0L}, {100, 1.0L}}) {
        SetLanePanFromSlider(arrangement, lane, position);
        EXPECT_EQ(lane.Piece().Pan.Value(), pan) << position;
        EXPECT_EQ(PanSliderPosition(lane), position);
    }
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeLanePan);
    SetLaneLoudnessFromSlider(arrangement, lane, 35);
    EXPECT_EQ(lane.Piece().Loudness.Value(), 0.35L);
    EXPECT_EQ(LoudnessSliderPosition(lane), 35);
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeLaneLoudness);
    ASSERT_EQ(audio.laneAttributes.size(), 4u);
    EXPECT_EQ(audio.laneAttributes[0],
              (std::pair<TLane*, SoundAttribute>{&lane, SoundAttribute::Pan}));
    EXPECT_EQ(audio.laneAttributes[3],
              (std::pair<TLane*, SoundAttribute>{&lane, SoundAttribute::Loudness}));
}

TEST(SliderScaleTest, EveryPositionComesBackFromThePanItSets) {
    for (int position = 0; position <= 100; ++position)
        EXPECT_EQ(SliderPositionOfPan(PanOfSliderPosition(position)), position);
    EXPECT_EQ(SliderPositionOfPan(std::nanl("")), 0);
    EXPECT_EQ(SliderPositionOfPan(-1000), 0);
}

TEST_F(LaneEditsTest, UnsetAndOutOfRangeValuesShowWhatThePlanPlaysClamped) {
    TLane& lane = *lanes[0];
    // Unset (-1.0 and -1000.0): the master piece's values, not -100 and -49950.
    EXPECT_EQ(LoudnessSliderPosition(lane), 100);
    EXPECT_EQ(PanSliderPosition(lane), 50);
    arrangement.plan.Master.Loudness.SetValue(0.4L);
    EXPECT_EQ(LoudnessSliderPosition(lane), 40);
    // Typed values beyond the slider's ends.
    lane.Piece().Loudness.SetValue(2.5L);
    lane.Piece().Pan.SetValue(-3.0L);
    EXPECT_EQ(LoudnessSliderPosition(lane), 100);
    EXPECT_EQ(PanSliderPosition(lane), 0);
}

TEST_F(LaneEditsTest, TheHueFromTheSliderIsFourDegreesAStepUpTo359) {
    TLane& lane = *lanes[2];
    SetLaneHueFromSlider(arrangement, lane, 95);
    EXPECT_EQ(lane.Piece().Hue(), 359);
    EXPECT_FALSE(lane.Piece().HueAuto());
    EXPECT_EQ(lane.Colour(), PieceColourOfHue(359));
    SetLaneHueFromSlider(arrangement, lane, 30);
    EXPECT_EQ(lane.Piece().Hue(), 120);
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeLaneHue);
    SetLaneHueFromSlider(arrangement, lane, std::nullopt);
    EXPECT_TRUE(lane.Piece().HueAuto());
}

TEST(DisplayNameTest, UnderscoresReadAsBlanks) {
    EXPECT_EQ(DisplayNameOfFile(QStringLiteral("kick__drum_01")), QStringLiteral("kick drum 01"));
    EXPECT_EQ(DisplayNameOfFile(QStringLiteral("_")), QStringLiteral("_"));
}

} // namespace

namespace {

TEST(SplitLaneTracksTest, EachFurtherTrackGetsALaneBelowPannedInTurnWithABall) {
    RecordingAudio audio;
    Arrangement arrangement{audio};
    TRes* sound = arrangement.resources.Add(QStringLiteral("/sounds/four.wav"), {});
    ASSERT_NE(sound, nullptr);
    sound->Tracks = 4;
    sound->Life = 1000;
    TLane& lane = arrangement.lanes.Add(10, TPiece::kNoOwnHue, true);
    lane.Piece().Resource = sound;
    lane.Piece().Handle = QStringLiteral("four");
    TLane& taken = arrangement.lanes.Add(12, TPiece::kNoOwnHue, true);

    const std::vector<TLane*> made = SplitLaneTracks(arrangement, lane, 7);
    EXPECT_EQ(lane.Piece().SrcTrack0, 0);
    EXPECT_EQ(lane.Piece().SrcTrack1, 0);
    EXPECT_EQ(lane.Piece().Matrix.size(), 8u);
    ASSERT_EQ(made.size(), 2u); // position 12 (track 2, right) has a lane already
    EXPECT_EQ(arrangement.lanes.AtPosition(12), &taken);
    const std::pair<int32_t, long double> expected[] = {{11, -1.0L}, {13, -1.0L}};
    for (size_t i = 0; i < made.size(); ++i) {
        const TLane& added = *made[i];
        const int32_t track = expected[i].first - 10;
        EXPECT_EQ(added.Position(), expected[i].first);
        EXPECT_EQ(added.Piece().SrcTrack0, track);
        EXPECT_EQ(added.Piece().SrcTrack1, track);
        EXPECT_EQ(added.Piece().Pan.Value(), expected[i].second);
        EXPECT_EQ(added.Piece().Resource, sound);
        EXPECT_EQ(added.Piece().Handle, QStringLiteral("four"));
        const TBall* ball = arrangement.balls.Find(7, added.Position());
        ASSERT_NE(ball, nullptr);
        EXPECT_EQ(ball->Lane(), &added);
    }
    EXPECT_EQ(arrangement.resources.Count(), 1); // the lanes share the sound

    // A mono sound has nothing to split.
    sound->Tracks = 1;
    EXPECT_TRUE(SplitLaneTracks(arrangement, lane, 0).empty());
}

} // namespace
