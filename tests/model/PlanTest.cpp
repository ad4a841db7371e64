#include "model/Arrangement.h"
#include "model/RecordingHooks.h"

#include <gtest/gtest.h>

namespace {

class PlanTest : public ::testing::Test {
protected:
    RecordingAudio audio;
    RecordingWindow window;
    Arrangement arrangement{audio, window};
    TThePlan& plan = arrangement.plan;
    TRoomState& room = arrangement.room;
};

TEST_F(PlanTest, ChangeTrackingKeepsTheFirstAndTheLastChange) {
    plan.SetModified(64, true);
    const QDateTime first = plan.FirstChangeTime();
    EXPECT_FALSE(first.isNull());
    plan.SetModified(68, true);
    plan.SetModified(0, true); // no code: nothing recorded
    EXPECT_EQ(plan.FirstChangeCode(), 64);
    EXPECT_EQ(plan.LastChangeCode(), 68);
    EXPECT_EQ(plan.FirstChangeTime(), first);
    EXPECT_GE(plan.LastChangeTime(), first);
    EXPECT_EQ(window.titleChanges, 1); // only when Modified changes
    plan.ClearModified();
    EXPECT_FALSE(plan.Modified());
    EXPECT_EQ(plan.LastChangeCode(), 0);
    EXPECT_TRUE(plan.FirstChangeTime().isNull());
    EXPECT_EQ(window.titleChanges, 2);
}

TEST_F(PlanTest, MasterLoudnessIsClampedAndFollowedByMixerAndSlider) {
    plan.SetMasterLoudness(1.7L, true);
    EXPECT_EQ(plan.MasterLoudness.Text(), "1");
    EXPECT_TRUE(audio.volumes.empty()); // no mixer yet
    audio.playing = true;
    plan.SetMasterLoudness(0.456L, false);
    plan.SetMasterLoudness(-3, true);
    EXPECT_EQ(plan.MasterLoudness.Value(), 0.0L);
    EXPECT_EQ(audio.volumes.size(), 2u);
    EXPECT_EQ(window.sliderSyncs, 2);
}

TEST_F(PlanTest, UnusableTimingKeepsTheLastUsableOneAndNamesTheValue) {
    EXPECT_EQ(plan.ElementsPerStep(), 11025.0L);
    plan.MPH.SetText("0");
    EXPECT_EQ(plan.RecomputeTiming(), "MPH=0");
    plan.MPH.SetText("120");
    plan.ElementRate.SetText("-44100");
    EXPECT_EQ(plan.RecomputeTiming(), "ElementRate=-44100");
    plan.ElementRate.SetText("2000000000");
    plan.FrameResolution.SetText("abc");
    EXPECT_EQ(plan.RecomputeTiming(), "FrameResolution=abc");
    plan.FrameResolution.SetText("2000000000");
    EXPECT_TRUE(plan.RecomputeTiming().startsWith("MPH=120, ElementRate=2000000000"));
    EXPECT_EQ(plan.ElementsPerStep(), 11025.0L);
    plan.FrameResolution.SetText("512");
    plan.ElementRate.SetText("44100");
    EXPECT_EQ(plan.RecomputeTiming(), "");
    EXPECT_EQ(plan.ElementsPerStep(), 352800.0L);
    EXPECT_EQ(plan.ElementsPerPixel(), 17640.0L);
}

TEST_F(PlanTest, TimingChangeMovesFlagPixelsButNotPositions) {
    room.SetFlagPosition(room.EndFlag(), Elements{4 * 11025}, true);
    room.SetFlagPosition(room.EndFlag(), Elements{4 * 11025}, true); // unchanged: no repaint
    EXPECT_EQ(room.EndFlag().PixelX, 4 * 20 - 1);
    EXPECT_EQ(window.roomRepaints, 1);
    plan.MPH.SetText("60");
    audio.playing = true;
    plan.TimingChanged(true);
    EXPECT_EQ(room.EndFlag().Position, Elements{4 * 11025});
    EXPECT_EQ(room.EndFlag().PixelX, 2 * 20 - 1);
    EXPECT_EQ(audio.reschedules, 1);
    plan.TimingChanged(false);
    EXPECT_EQ(window.pendingCleared, 2);
    EXPECT_EQ(audio.reschedules, 1);
    room.Flags.FlagsShown = false;
    room.SetFlagPosition(room.StartFlag(), Elements{22050}, true);
    EXPECT_EQ(window.roomRepaints, 1);
}

TEST_F(PlanTest, StartAndEndCaptionsPointAwayWhenClose) {
    room.StartFlag().PixelX = 100;
    room.EndFlag().PixelX = 180;
    room.PlaceStartEndCaptions();
    EXPECT_TRUE(room.StartFlag().CaptionOnLeft);
    EXPECT_FALSE(room.EndFlag().CaptionOnLeft);
    room.EndFlag().PixelX = 181;
    room.PlaceStartEndCaptions();
    EXPECT_FALSE(room.StartFlag().CaptionOnLeft);
    EXPECT_TRUE(room.EndFlag().CaptionOnLeft);
}

TEST_F(PlanTest, PointAndFlagsFindTheirPixelsEvenFarOutside) {
    room.Left = 120;
    room.Top = 30;
    room.OffsetX = 8;
    room.OffsetY = -2;
    room.Point.X = -8;
    room.Point.Y = 3;
    room.RecomputePointPixels();
    EXPECT_EQ(room.Point.PixelX, 120);
    EXPECT_EQ(room.Point.PixelY, 30 + 20);
    room.Point.X = 2000000000;
    room.RecomputePointPixels();
    EXPECT_EQ(room.Point.PixelX, INT32_MAX);
    room.SetFlagPosition(room.StartFlag(), Elements{-100 * 11025}, false);
    EXPECT_LT(room.StartFlag().PixelX, room.Left);
    room.SetFlagPosition(room.StartFlag(), Elements{INT64_MAX}, false);
    EXPECT_EQ(room.StartFlag().PixelX, INT32_MAX);
}

TEST_F(PlanTest, LanesAtRowsAndPixels) {
    TLane& lane = arrangement.lanes.Add(3, 20, false);
    room.OffsetY = 2;
    EXPECT_EQ(arrangement.lanes.AtRow(5), &lane);
    EXPECT_EQ(arrangement.lanes.AtRow(3), nullptr);
    EXPECT_EQ(arrangement.lanes.RowAtPixel(40 + 5 * 20 + 19, 40), 3);
    EXPECT_EQ(arrangement.lanes.AtRow(INT32_MIN), nullptr);
}

} // namespace
