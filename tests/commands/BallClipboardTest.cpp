#include "commands/BallClipboard.h"
#include "commands/BallLength.h"
#include "model/Arrangement.h"
#include "planfile/PlanReadContext.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

// Records what is armed again, and that every change of the lists holds the mixer lock.
class RearmingAudio : public AudioHooks {
public:
    void LockMixer() override { ++depth; }
    void UnlockMixer() override { --depth; }
    void Reschedule() override { ++reschedules; }
    void RescheduleLane(TLane& lane) override { rescheduledLanes.push_back(&lane); }
    void ArmBall(TBall& ball) override { armed.push_back(&ball); }
    int depth = 0;
    int reschedules = 0;
    std::vector<TLane*> rescheduledLanes;
    std::vector<TBall*> armed;
};

// A ball section as the writer writes it, with a length to tell pasted balls apart.
QString ballSection(int index, int x, int y, const QString& life = QStringLiteral("7")) {
    return QStringLiteral("[%1]\r\nX=%2\r\nY=%3\r\nLife=%4\r\n").arg(index).arg(x).arg(y).arg(life);
}

class BallClipboardTest : public ::testing::Test {
protected:
    BallClipboardTest() { arrangement.plan.ClearModified(); }

    // (X, Y) of every ball, in list order.
    std::vector<std::pair<int, int>> cells() const {
        std::vector<std::pair<int, int>> all;
        for (int i = 0; i < arrangement.balls.Count(); ++i)
            all.emplace_back(arrangement.balls.At(i).X(), arrangement.balls.At(i).Y());
        return all;
    }
    QString lifeAt(int x, int y) const {
        const TBall* ball = arrangement.balls.Find(x, y);
        if (!ball)
            return QString();
        return QString::fromStdString(ball->OwnPiece() ? ball->OwnPiece()->Life.Text() : "-1");
    }
    // Columns 5, 6 and 9 in rows 2 and 3, the section of column 5 first.
    static QString threeBalls() {
        return ballSection(0, 5, 3) + ballSection(1, 6, 2) + ballSection(2, 9, 3);
    }

    RearmingAudio audio;
    Arrangement arrangement{audio};
    PlanReadContext context;
};

TEST_F(BallClipboardTest, PastedBallsLandAtThePointKeepingTheirDistancesOrTheirColumns) {
    arrangement.room.Point = {.X = 20, .Y = 7};
    EXPECT_EQ(PasteBalls(arrangement, threeBalls(), context, false), 3);
    EXPECT_EQ(cells(), (std::vector<std::pair<int, int>>{{20, 8}, {21, 7}, {24, 8}}));
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeBallsPasted);
    EXPECT_EQ(audio.reschedules, 1);
    EXPECT_EQ(audio.depth, 0);

    arrangement.balls.RemoveAll(false);
    EXPECT_EQ(PasteBalls(arrangement, threeBalls(), context, true), 3);
    EXPECT_EQ(cells(), (std::vector<std::pair<int, int>>{{5, 8}, {6, 7}, {9, 8}}));
}

TEST_F(BallClipboardTest, APastedBallReplacesTheBallInItsCell) {
    arrangement.balls.Add(20, 7, TPiece::kNoOwnHue, false)->EditPiece().Life.SetText("3");
    arrangement.room.Point = {.X = 20, .Y = 7};
    EXPECT_EQ(PasteBalls(arrangement, ballSection(0, 1, 1, "9"), context, false), 1);
    EXPECT_EQ(arrangement.balls.Count(), 1);
    EXPECT_EQ(lifeAt(20, 7), "9");
}

TEST_F(BallClipboardTest, ATextWithoutBallSectionsPastesNothing) {
    for (const QString& text :
         {QStringLiteral("just words"), QStringLiteral("[Main]\r\nFormatVersion=2\r\n"),
          QStringLiteral("[Lane.0]\r\nPosition=3\r\n")}) {
        EXPECT_EQ(PasteBalls(arrangement, text, context, false), 0) << text.toStdString();
        EXPECT_EQ(arrangement.balls.Count(), 0);
        EXPECT_FALSE(arrangement.plan.Modified());
    }
}

TEST_F(BallClipboardTest, BallsPastedIntoALaneTakeItsRowAndReplaceItsBalls) {
    TLane& lane = arrangement.lanes.Add(4, 20, false);
    arrangement.balls.Add(1, 4, TPiece::kNoOwnHue, false);
    arrangement.balls.Add(5, 4, TPiece::kNoOwnHue, false)->EditPiece().Life.SetText("3");
    TLane* target = &lane;
    ASSERT_TRUE(PasteIntoLane(arrangement, threeBalls(), context, target, 0, false));
    EXPECT_EQ(target, &lane);
    EXPECT_EQ(cells(), (std::vector<std::pair<int, int>>{{5, 4}, {6, 4}, {9, 4}}));
    EXPECT_EQ(lifeAt(5, 4), "7");
    EXPECT_EQ(lane.LaneBalls.size(), 3u);
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeBallsPasted);
    EXPECT_EQ(audio.rescheduledLanes, std::vector<TLane*>{&lane});
    EXPECT_EQ(audio.depth, 0);
}

TEST_F(BallClipboardTest, ALanePasteWithoutSectionsLeavesTheLaneAsItWas) {
    TLane& lane = arrangement.lanes.Add(4, 20, false);
    TRes* sound = arrangement.resources.FindOrAdd(QStringLiteral("/nowhere/a.wav"), {});
    lane.Piece().Resource = sound;
    arrangement.balls.Add(1, 4, TPiece::kNoOwnHue, false);
    TLane* target = &lane;
    EXPECT_FALSE(
        PasteIntoLane(arrangement, QStringLiteral("no plan here"), context, target, 0, true));
    // Balls only: a lane section alone is nothing to paste.
    EXPECT_FALSE(PasteIntoLane(arrangement, QStringLiteral("[Lane.0]\r\nPosition=1\r\n"), context,
                               target, 0, false));
    EXPECT_EQ(arrangement.balls.Count(), 1);
    EXPECT_EQ(lane.Piece().Resource, sound);
    EXPECT_FALSE(arrangement.plan.Modified());
}

TEST_F(BallClipboardTest, ACopiedLanePastesWholeIntoARowWithoutALane) {
    TLane& source = arrangement.lanes.Add(2, 120, false);
    source.Striked = true;
    source.Piece().Loudness.SetText("0.5");
    source.Piece().Handle = QStringLiteral("Kick");
    arrangement.balls.Add(3, 2, TPiece::kNoOwnHue, false);
    arrangement.balls.Add(8, 2, TPiece::kNoOwnHue, false);
    arrangement.balls.Add(4, 6, TPiece::kNoOwnHue, false); // in the target row: goes
    const QString copied = LaneText(source, true);
    EXPECT_EQ(LaneText(source, false), "[0]\r\nX=3\r\nY=2\r\n[1]\r\nX=8\r\nY=2\r\n");

    TLane* target = nullptr;
    ASSERT_TRUE(PasteIntoLane(arrangement, copied, context, target, 6, true));
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(arrangement.lanes.AtPosition(6), target);
    EXPECT_EQ(target->Piece().Handle, "Kick");
    EXPECT_EQ(target->Piece().Loudness.Text(), "0.5");
    EXPECT_EQ(target->Piece().Hue(), 120);
    EXPECT_TRUE(target->Striked);
    EXPECT_EQ(cells(), (std::vector<std::pair<int, int>>{{3, 2}, {8, 2}, {3, 6}, {8, 6}}));
    EXPECT_EQ(target->LaneBalls.size(), 2u);
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeLanePasted);
}

TEST_F(BallClipboardTest, ALengthOnAnEmptyCellAddsABallAtThePoint) {
    arrangement.room.Point = {.X = 4, .Y = 1};
    const QString perStep =
        QString::number(static_cast<double>(arrangement.plan.ElementsPerStep()), 'g', 15);
    TBall* ball = SetBallLength(arrangement, nullptr, 1, false);
    ASSERT_NE(ball, nullptr);
    EXPECT_EQ(arrangement.balls.Find(4, 1), ball);
    EXPECT_EQ(QString::fromStdString(ball->EditPiece().Life.Text()), perStep + " * 1");
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeBallLength);
    EXPECT_EQ(audio.armed, std::vector<TBall*>{ball});

    EXPECT_EQ(SetBallLength(arrangement, ball, kWholeSound, false), ball);
    EXPECT_EQ(ball->EditPiece().Life.Text(), "-1");
}

TEST_F(BallClipboardTest, ALengthOutsideTheBallRangeChangesNothing) {
    arrangement.room.Point = {.X = kCellMax + 1, .Y = 1};
    EXPECT_EQ(SetBallLength(arrangement, nullptr, 2, false), nullptr);
    EXPECT_EQ(arrangement.balls.Count(), 0);
    EXPECT_FALSE(arrangement.plan.Modified());
}

TEST_F(BallClipboardTest, FramesCountTheSampleSizeOfASoundThatOpened) {
    TLane& lane = arrangement.lanes.Add(0, 20, false);
    TBall* ball = arrangement.balls.Add(0, 0, TPiece::kNoOwnHue, false);
    SetBallLength(arrangement, ball, 500, true);
    EXPECT_EQ(ball->EditPiece().Life.Text(), "500 * 2"); // no sound: one byte a sample
    TRes* lanes = arrangement.resources.FindOrAdd(QStringLiteral("/nowhere/lane.wav"), {});
    lanes->SampleBytes = 4;
    lane.Piece().Resource = lanes;
    // The ball's own sound could not be opened: it has no sample size, the lane's counts.
    ball->EditPiece().Resource =
        arrangement.resources.FindOrAdd(QStringLiteral("/nowhere/b.wav"), {});
    SetBallLength(arrangement, ball, 500, true);
    EXPECT_EQ(ball->EditPiece().Life.Text(), "500 * 8");
}

} // namespace
