#include "commands/BallPlacing.h"
#include "audio/MinglerFixture.h"
#include "controls/RoomFakes.h"
#include "controls/RoomRowPainter.h"
#include "model/LaneEdits.h"
#include "model/Units.h"
#include "support/WideMemIniFile.h"

#include <QFile>

#include <cmath>

using namespace audiotest;

namespace {

class RecordingPainter : public RoomRowPainter {
public:
    void RepaintRow(int32_t y, const TBall* second) override { rows.push_back({y, second}); }
    std::vector<std::pair<int32_t, const TBall*>> rows;
};

// Placing and removing without sound: the audio side only records what is armed.
class BallPlacingTest : public ::testing::Test {
protected:
    RoomAudio audio;
    Arrangement arrangement{audio};
    TWideMemIniFile settings{QString()};
    BallPlacing placing{arrangement, settings};
    RecordingPainter painter;
};

TEST_F(BallPlacingTest, ABallGoesOnTheShownCellOnceAndIsArmedAndDrawn) {
    arrangement.room.OffsetX = -2;
    arrangement.room.OffsetY = 1;
    TBall* ball = placing.PlaceBall(3, 2, false, painter);
    ASSERT_NE(ball, nullptr);
    EXPECT_EQ(ball->X(), 5);
    EXPECT_EQ(ball->Y(), 1);
    EXPECT_EQ(ball->OwnPiece(), nullptr) << "a placed ball has no values of its own";
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeBallPlaced);
    EXPECT_EQ(audio.armed, std::vector<TBall*>{ball});
    EXPECT_EQ(painter.rows, (decltype(painter.rows){{1, nullptr}}));

    arrangement.plan.ClearModified();
    EXPECT_EQ(placing.PlaceBall(3, 2, false, painter), nullptr);        // taken
    EXPECT_EQ(placing.PlaceBall(kCellMax, 2, false, painter), nullptr); // beyond the range
    EXPECT_FALSE(arrangement.plan.Modified());
    EXPECT_EQ(arrangement.balls.Count(), 1);
    EXPECT_EQ(painter.rows.size(), 1u);
}

TEST_F(BallPlacingTest, AltPlacesASecondBallOnADiagonalOnlyOnARowWithoutALane) {
    arrangement.lanes.Add(4, 20, false);
    ASSERT_NE(placing.PlaceBall(3, 4, true, painter), nullptr);
    EXPECT_EQ(arrangement.balls.Count(), 1);
    // The side is random: every try lands on one of the four diagonal neighbours.
    for (int x = 0; x < 40; x += 4) {
        TBall* first = placing.PlaceBall(x, 20, true, painter);
        ASSERT_NE(first, nullptr);
        const TBall* second = painter.rows.back().second;
        ASSERT_NE(second, nullptr);
        EXPECT_EQ(std::abs(second->X() - x), 1);
        EXPECT_EQ(std::abs(second->Y() - 20), 1);
        EXPECT_EQ(painter.rows.back().first, 20);
        EXPECT_EQ(audio.armed.back(), first); // the second ball is not armed
    }
    EXPECT_EQ(arrangement.balls.Count(), 21);
    EXPECT_EQ(audio.armed.size(), 11u);
}

TEST_F(BallPlacingTest, RemovingAtAnEmptyCellIsFalseAndChangesNothing) {
    arrangement.room.OffsetY = 3;
    ASSERT_NE(placing.PlaceBall(1, 5, false, painter), nullptr);
    arrangement.plan.ClearModified();
    painter.rows.clear();
    EXPECT_FALSE(placing.RemoveBallAtCell(2, 5, kChangeBallRemoved, painter));
    EXPECT_FALSE(arrangement.plan.Modified());
    EXPECT_EQ(arrangement.plan.LastChangeCode(), 0);
    EXPECT_TRUE(painter.rows.empty());

    EXPECT_TRUE(placing.RemoveBallAtCell(1, 5, 168, painter));
    EXPECT_EQ(arrangement.balls.Count(), 0);
    EXPECT_EQ(arrangement.plan.LastChangeCode(), 168);
    EXPECT_EQ(painter.rows, (decltype(painter.rows){{2, nullptr}}));
}

// Files dropped on cells, heard through a real mix in decode mode. The lanes they add play at
// 0.8 of full loudness.
class DroppedFileTest : public MinglerFixture {
protected:
    void SetUp() override {
        MinglerFixture::SetUp();
        for (const auto& [name, level] : {std::pair{"quarter.wav", 0.25f}, {"half.wav", -0.5f}})
            WriteWav(file(name), PlanFixture::kRate, 2, 3000,
                     [level](int64_t, int) { return level; });
        plan.SetRange(0, 0);
        make(false);
    }
    // The left sample a little after the roll began at the start.
    int16_t heardAtStart() {
        mingler->Roll(Elements{0});
        const std::vector<int16_t> out = pull(20);
        return out.size() > 20 ? Sample(out, 10, 0) : 0;
    }
    static int16_t inMix(float level) {
        return static_cast<int16_t>(std::lround(level * 32768 * kNewLaneLoudness));
    }

    Arrangement& model() { return plan.arrangement; }
    TWideMemIniFile settings{QString()};
    BallPlacing placing{plan.arrangement, settings};
};

TEST_F(DroppedFileTest, AFileOnAnEmptyCellOfARowWithoutALaneBringsALaneAndABallThatSoundsIt) {
    model().room.OffsetY = 2;
    ASSERT_TRUE(placing.DropFileOnCell(0, 2, true, file("quarter.wav")));
    ASSERT_EQ(model().lanes.Count(), 1);
    TLane& lane = model().lanes.At(0);
    EXPECT_EQ(lane.Position(), 0);
    EXPECT_EQ(lane.Piece().Handle, "quarter");
    ASSERT_NE(lane.Piece().Resource, nullptr);
    EXPECT_EQ(lane.Piece().Resource->FullName, file("quarter.wav"));
    TBall* ball = model().balls.Find(0, 0);
    ASSERT_NE(ball, nullptr);
    EXPECT_EQ(ball->Lane(), &lane);
    EXPECT_TRUE(!ball->OwnPiece() || !ball->OwnPiece()->Resource) << "it sounds its lane's file";
    EXPECT_EQ(model().plan.LastChangeCode(), kChangeBallPlaced);
    EXPECT_NEAR(heardAtStart(), inMix(0.25f), 1);

    // Another file on that ball becomes the ball's own, and is heard at once while rolling.
    pull(100);
    ASSERT_TRUE(placing.DropFileOnCell(0, 2, true, file("half.wav")));
    EXPECT_EQ(model().plan.LastChangeCode(), kChangeBallOwnFile);
    EXPECT_EQ(model().balls.Count(), 1);
    EXPECT_EQ(model().lanes.Count(), 1);
    ASSERT_NE(ball->EditPiece().Resource, nullptr);
    EXPECT_EQ(ball->EditPiece().Resource->FullName, file("half.wav"));
    EXPECT_EQ(lane.Piece().Resource->FullName, file("quarter.wav"));
    const std::vector<int16_t> out = pull(100);
    ASSERT_EQ(out.size(), 200u);
    EXPECT_NEAR(Sample(out, 99, 0), inMix(-0.5f), 1);
    EXPECT_NEAR(heardAtStart(), inMix(-0.5f), 1);
}

TEST_F(DroppedFileTest, ABallWithoutALaneGetsALaneAndAnEmptyCellOfALaneRowABallWithTheFile) {
    plan.AddBall(3, 1);
    model().plan.ClearModified();
    ASSERT_TRUE(placing.DropFileOnCell(3, 1, false, file("quarter.wav")));
    EXPECT_EQ(model().plan.LastChangeCode(), kChangeLaneAdded);
    ASSERT_NE(model().lanes.AtPosition(1), nullptr);
    EXPECT_EQ(model().balls.Find(3, 1)->Lane(), model().lanes.AtPosition(1));
    EXPECT_EQ(model().balls.Find(3, 1)->OwnPiece(), nullptr);

    ASSERT_TRUE(placing.DropFileOnCell(0, 1, false, file("half.wav")));
    EXPECT_EQ(model().lanes.Count(), 1);
    const TBall* placed = model().balls.Find(0, 1);
    ASSERT_NE(placed, nullptr);
    ASSERT_NE(placed->OwnPiece(), nullptr);
    ASSERT_NE(placed->OwnPiece()->Resource, nullptr);
    EXPECT_EQ(placed->OwnPiece()->Resource->FullName, file("half.wav"));
    EXPECT_EQ(model().lanes.AtPosition(1)->Piece().Resource->FullName, file("quarter.wav"));
}

TEST_F(DroppedFileTest, AFileThatIsNoSoundPlacesNothingAndLeavesNoResource) {
    QFile text(file("notes.txt"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a sound at all\n");
    text.close();
    EXPECT_FALSE(placing.DropFileOnCell(4, 4, true, file("notes.txt")));
    EXPECT_FALSE(placing.DropFileOnCell(5, 5, true, file("missing.wav")));
    EXPECT_EQ(model().balls.Count(), 0);
    EXPECT_EQ(model().lanes.Count(), 0);
    EXPECT_EQ(model().resources.Count(), 0);
    EXPECT_FALSE(model().plan.Modified());

    // A good sound dropped beyond the cells a ball can take.
    model().room.OffsetX = -kCellMax;
    EXPECT_FALSE(placing.DropFileOnCell(1, 0, true, file("quarter.wav")));
    EXPECT_EQ(model().balls.Count(), 0);
    EXPECT_EQ(model().resources.Count(), 0);
    EXPECT_FALSE(model().plan.Modified());
}

TEST_F(DroppedFileTest, OnlyAMoggFileSpreadsItsTracksOverLanesWithABallEach) {
    for (const char* name : {"band.mogg", "band.ogg"}) {
        QFile sound(file(name));
        ASSERT_TRUE(sound.open(QIODevice::WriteOnly));
        sound.write(OggVorbisBytes(PlanFixture::kRate, 3, 2000));
    }
    model().room.OffsetX = 1;
    ASSERT_TRUE(placing.DropFileOnCell(3, 10, true, file("band.ogg")));
    EXPECT_EQ(model().lanes.Count(), 1);

    ASSERT_TRUE(placing.DropFileOnCell(3, 20, true, file("band.mogg")));
    ASSERT_EQ(model().lanes.Count(), 4);
    for (int32_t track = 0; track < 3; ++track) {
        const TLane* lane = model().lanes.AtPosition(20 + track);
        ASSERT_NE(lane, nullptr) << track;
        EXPECT_EQ(lane->Piece().SrcTrack0, track);
        EXPECT_EQ(lane->Piece().SrcTrack1, track);
        const TBall* ball = model().balls.Find(2, 20 + track);
        ASSERT_NE(ball, nullptr) << track;
        EXPECT_EQ(ball->Lane(), lane);
    }
    EXPECT_EQ(model().lanes.AtPosition(21)->Piece().Pan.Value(), -1.0L);
    EXPECT_EQ(model().lanes.AtPosition(22)->Piece().Pan.Value(), 1.0L);
}

} // namespace
