#include "common/TempDir.h"
#include "model/Arrangement.h"
#include "model/RecordingHooks.h"
#include "support/FaultLog.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

class BallsTest : public ::testing::Test {
protected:
    TBall* Add(int64_t x, int64_t y) { return balls.Add(x, y, TPiece::kNoOwnHue, false); }

    RecordingAudio audio;
    RecordingWindow window;
    Arrangement arrangement{audio, window};
    TTheBalls& balls = arrangement.balls;
    TTheLanes& lanes = arrangement.lanes;
};

TEST_F(BallsTest, AddRefusesCellsOutsideTheRangeAndOccupiedCells) {
    EXPECT_EQ(Add(2000000, 0), nullptr);
    EXPECT_EQ(Add(0, -2000001), nullptr);
    EXPECT_EQ(Add(int64_t{1} << 32, 0), nullptr); // would wrap to 0 in 32 bits
    TBall* ball = Add(1999999, -2000000);
    ASSERT_NE(ball, nullptr);
    EXPECT_EQ(Add(1999999, -2000000), nullptr);
    ASSERT_EQ(balls.Count(), 1);
    EXPECT_EQ(balls.Find(1999999, -2000000), ball);
    EXPECT_EQ(balls.IndexOf(1999999, -2000000), 0);
    EXPECT_EQ(balls.IndexOf(0, 0), -1);
}

TEST_F(BallsTest, BallsBelongToTheFirstLaneOfTheirRowOrToNone) {
    TLane& first = lanes.Add(2, 20, false);
    TLane& second = lanes.Add(2, 200, false);
    TBall* ball = Add(0, 2);
    TBall* loose = Add(0, 7);
    EXPECT_EQ(ball->Lane(), &first);
    EXPECT_EQ(first.LaneBalls, std::vector<TBall*>{ball});
    EXPECT_TRUE(second.LaneBalls.empty());
    EXPECT_EQ(loose->Lane(), nullptr);
    // Without values of their own they play with their lane's piece, or the master's.
    EXPECT_EQ(ball->OwnPiece(), nullptr);
    EXPECT_EQ(&ball->Values(), &first.Piece());
    EXPECT_EQ(&loose->Values(), &arrangement.plan.Master);
    EXPECT_EQ(ball->EditPiece().BasePiece(), &first.Piece());
    EXPECT_EQ(&ball->Values(), ball->OwnPiece());
    EXPECT_EQ(loose->EditPiece().BasePiece(), nullptr);

    balls.SetY(*ball, 7); // moving off the lane's row
    EXPECT_EQ(ball->EditPiece().BasePiece(), nullptr);
    balls.SetY(*ball, 2);
    lanes.RemoveAll(); // balls must not keep pointing into freed lanes
    EXPECT_EQ(ball->Lane(), nullptr);
    EXPECT_EQ(ball->EditPiece().BasePiece(), nullptr);
}

TEST_F(BallsTest, SoundStartsFromTheBallsStartOrOffsetUnlessItsLaneIsStruckOrMissing) {
    TLane& lane = lanes.Add(0, 20, false);
    TBall* ball = Add(2, 0);
    ball->PlayOffset = Elements{77};
    balls.StartSound(*ball, false, Elements{5});
    balls.StartSound(*ball, true, Elements{9});
    balls.StartSound(*Add(3, 1), false, Elements{0});
    lane.Striked = true;
    balls.StartSound(*ball, false, Elements{0});
    using Start = std::pair<Elements, Elements>;
    EXPECT_EQ(audio.started, (std::vector<Start>{{Elements{2 * 11025 + 5}, Elements{0}},
                                                 {Elements{9}, Elements{77}}}));
}

TEST_F(BallsTest, SmallestAndLargestXNeverShrink) {
    EXPECT_EQ(balls.SmallestX(), 0);
    EXPECT_EQ(balls.LargestX(), -1);
    Add(5, 0);
    Add(9, 0);
    EXPECT_EQ(balls.SmallestX(), 0);
    EXPECT_EQ(balls.LargestX(), 9);
    Add(-4, 0);
    balls.RemoveAll(false);
    EXPECT_EQ(balls.SmallestX(), -4);
    EXPECT_EQ(balls.LargestX(), 9);
}

TEST_F(BallsTest, MovesAndTimingChangesKeepCellsAndStartsInStep) {
    TBall* ball = Add(3, 1);
    EXPECT_EQ(ball->Start(), Elements{3 * 11025});
    arrangement.plan.MPH.SetText("60");
    arrangement.plan.TimingChanged(true);
    EXPECT_EQ(ball->Start(), Elements{3 * 22050});
    balls.SetX(*ball, 4);
    EXPECT_EQ(ball->Start(), Elements{4 * 22050});
    EXPECT_EQ(balls.Find(3, 1), nullptr);
    EXPECT_EQ(balls.Find(4, 1), ball);
}

TEST_F(BallsTest, CellsOfTheViewCountFromTheOffsets) {
    arrangement.room.OffsetX = 8;
    arrangement.room.OffsetY = 2;
    TBall* ball = Add(-8, 0);
    EXPECT_EQ(balls.FindAtCell(0, 2), ball);
    EXPECT_EQ(balls.IndexAtCell(0, 2), 0);
    EXPECT_EQ(balls.FindAtCell(1, 2), nullptr);
    EXPECT_TRUE(balls.RemoveAt(0, 2, true));
    EXPECT_FALSE(balls.RemoveAt(0, 2, true));
}

TEST_F(BallsTest, RemoveUnschedulesUnderTheLockThenDetachesAndFrees) {
    TempDir dir;
    faultlog::SetFolder(dir.path());
    TLane& lane = lanes.Add(0, 20, false);
    TBall* kept = Add(0, 0);
    TBall* ball = Add(1, 0);
    ball->Sync = 7;
    audio.syncRemovalWorks = false; // logged, and the ball goes all the same
    balls.Remove(*ball);
    EXPECT_EQ(audio.removedSyncs, std::vector<uint32_t>{7});
    EXPECT_EQ(audio.stopped, std::vector<TBall*>{ball});
    EXPECT_EQ(audio.stoppedUnlocked, 0);
    EXPECT_EQ(audio.lockDepth, 0);
    EXPECT_EQ(audio.releasedBalls, std::vector<TBall*>{ball});
    EXPECT_EQ(window.removedBalls.size(), 1u);
    EXPECT_EQ(lane.LaneBalls, std::vector<TBall*>{kept});
    EXPECT_EQ(balls.Find(1, 0), nullptr);
    QFile log(faultlog::FilePath());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().contains("BASS_ChannelRemoveSync BASS_ERROR_HANDLE (MInsertSync=7)"));
}

TEST_F(BallsTest, RemoveRowAndRemoveAllInPlayRange) {
    TThePlan& plan = arrangement.plan;
    plan.Start = Elements{2 * 11025};
    plan.End = Elements{4 * 11025};
    for (int x = 1; x <= 4; ++x) // x = 2 starts at Start (inside), x = 4 at End (outside)
        Add(x, 0);
    Add(3, 1);
    balls.RemoveRow(1);
    EXPECT_EQ(balls.Count(), 4);
    balls.RemoveAll(true);
    ASSERT_EQ(balls.Count(), 2);
    EXPECT_EQ(balls.At(0).X(), 1);
    EXPECT_EQ(balls.At(1).X(), 4);
    EXPECT_EQ(audio.lockDepth, 0);
}

TEST_F(BallsTest, LoudnessAndPanReachSoundingChannelsOnlyWhilePlaying) {
    lanes.Add(0, 20, false).Piece().Loudness.SetText("0.5");
    TBall* ball = Add(0, 0);
    balls.SetLoudness(*ball, 50.0L);
    EXPECT_TRUE(audio.attributes.empty());
    EXPECT_EQ(arrangement.plan.LastChangeCode(), 220);
    audio.playing = true;
    balls.SetLoudness(*ball, 50.0L);
    balls.SetLoudness(*ball, std::nullopt); // the lane's
    balls.SetPan(*ball, 75);
    EXPECT_EQ(audio.attributes[0], std::make_pair(SoundAttribute::Loudness, 0.25f));
    EXPECT_EQ(audio.attributes[1], std::make_pair(SoundAttribute::Loudness, 0.5f));
    EXPECT_EQ(audio.attributes[2].first, SoundAttribute::Pan);
    EXPECT_EQ(ball->OwnPiece()->Pan.Value(), 0.5L);
    EXPECT_EQ(audio.attributesUnlocked, 0);
    EXPECT_EQ(arrangement.plan.LastChangeCode(), 222);
    TBall* plain = Add(5, 0);
    balls.SetLoudness(*plain, std::nullopt);
    EXPECT_EQ(plain->OwnPiece(), nullptr) << "the lane's loudness needs no piece of its own";
}

} // namespace
