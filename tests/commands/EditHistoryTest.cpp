#include "commands/EditHistory.h"
#include "commands/BallClipboard.h"
#include "commands/BallPlacing.h"
#include "controls/BallLink.h"
#include "controls/TheRuler.h"
#include "model/Arrangement.h"
#include "model/LaneClipboard.h"
#include "model/LaneEdits.h"
#include "model/LaneOperations.h"
#include "planfile/TextPlanWriter.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

constexpr int32_t kChangeTempo = 115;
constexpr int32_t kChangeResourcesFolder = 259;
constexpr int kColumns = 12;
constexpr int kRows = 6;

class EditHistoryTest : public ::testing::Test {
protected:
    EditHistoryTest() {
        for (int row = 0; row < 4; ++row)
            arrangement.lanes.Add(row, TPiece::kNoOwnHue, true);
        arrangement.plan.End = arrangement.plan.Timing().StartOfStep(8);
        arrangement.plan.ClearModified();
        history.SetRecording(true);
    }

    QByteArray state() const { return WriteTextPlan(arrangement, TextPlanScope::Whole).bytes; }

    // Every ball belongs to the first lane at its row, and every lane holds exactly those.
    void expectBallsInTheirLanes() const {
        size_t linked = 0;
        for (int i = 0; i < arrangement.balls.Count(); ++i) {
            const TBall& ball = arrangement.balls.At(i);
            ASSERT_EQ(ball.Lane(), arrangement.lanes.AtPosition(ball.Y()))
                << "ball at " << ball.X() << ", " << ball.Y();
            linked += ball.Lane() != nullptr;
        }
        size_t held = 0;
        for (int i = 0; i < arrangement.lanes.Count(); ++i)
            held += arrangement.lanes.At(i).LaneBalls.size();
        EXPECT_EQ(held, linked);
    }

    TLane& someLane(std::mt19937& random) {
        return arrangement.lanes.At(static_cast<int>(random() % arrangement.lanes.Count()));
    }

    // One random edit of any kind, as the commands make it.
    void randomEdit(std::mt19937& random);

    Arrangement arrangement;
    PlanReadContext context;
    TEditHistory history{arrangement, [this] { return context; }};
};

void EditHistoryTest::randomEdit(std::mt19937& random) {
    Arrangement& a = arrangement;
    const int32_t column = static_cast<int32_t>(random() % kColumns);
    const int32_t row = static_cast<int32_t>(random() % kRows);
    TBall* there = a.balls.Find(column, row);
    const int kind = static_cast<int>(random() % 20);
    // The edits from 7 on take some lane; with none left, one comes first.
    if (kind >= 7 && a.lanes.Count() == 0) {
        AddLaneWithoutSound(a, row);
        return;
    }
    switch (kind) {
    case 0:
    case 1:
        PlaceBall(a, column, row, random() % 2 == 0, nullptr, nullptr);
        break;
    case 2:
        RemoveBallAtCell(a, column, row, kChangeBallRemoved, nullptr);
        break;
    case 3:
        if (there)
            a.balls.SetLoudness(*there, static_cast<long double>(random() % 101));
        break;
    case 4:
        if (there)
            a.balls.SetPan(*there, static_cast<int>(random() % 101));
        break;
    case 5: {
        // The paste lands at the point, which the file keeps: it is put back after.
        const TThePoint point = a.room.Point;
        a.room.Point.X = static_cast<int32_t>(random() % kColumns);
        a.room.Point.Y = static_cast<int32_t>(random() % kRows);
        if (there)
            PasteBalls(a, BallText(*there), context, false);
        a.room.Point = point;
        break;
    }
    case 6:
        AddLaneWithoutSound(a, row);
        break;
    case 7: {
        // Into a row, with the lane or its balls alone, from another lane or row.
        TLane& source = someLane(random);
        TLane* into = nullptr;
        PasteIntoLane(a, LaneText(source, random() % 2 == 0), context, into, row,
                      random() % 2 == 0);
        break;
    }
    case 8:
        ToggleLaneStruck(a, someLane(random));
        break;
    case 9:
        SoloLane(a, someLane(random));
        break;
    case 10:
        SetLaneLoudnessFromSlider(a, someLane(random), static_cast<int>(random() % 101));
        break;
    case 11:
        SetLanePanFromSlider(a, someLane(random), static_cast<int>(random() % 101));
        break;
    case 12: {
        const bool generated = random() % 3 == 0;
        SetLaneHueFromSlider(a, someLane(random),
                             generated ? std::nullopt
                                       : std::optional<int>(static_cast<int>(random() % 90)));
        break;
    }
    case 13:
        switch (random() % 4) {
        case 0:
            NewLaneHue(a, someLane(random));
            break;
        case 1:
            FixLaneHue(a, someLane(random));
            break;
        case 2:
            NewLaneHues(a, random() % 2 == 0);
            break;
        default:
            PasteLaneHue(a, someLane(random), QString::number(random() % 360));
        }
        break;
    case 14: {
        // Seldom the lane itself, so that the plan keeps some.
        const bool withLane = random() % 3 == 0;
        RemoveLane(a, someLane(random), withLane,
                   withLane ? kChangeLaneRemoved : kChangeLaneBallsRemoved);
        break;
    }
    case 15:
        MoveLane(a, someLane(random), random() % 2 == 0 ? 1 : -1);
        break;
    case 16:
        LayLaneBalls(a, someLane(random), static_cast<int>(1 + random() % 3), random() % 2 == 0);
        break;
    case 17: {
        // The range's flags, as the ruler moves them.
        const bool start = random() % 2 == 0;
        (start ? a.plan.Start : a.plan.End) = a.plan.Timing().StartOfStep(column);
        a.plan.SetModified(start ? TTheRuler::kChangeStart : TTheRuler::kChangeEnd, true);
        break;
    }
    case 18:
        // The tempo, as the watch types it: every ball's start follows.
        a.plan.MPH.SetText(std::to_string(60 + random() % 120));
        a.plan.SetModified(kChangeTempo, true);
        a.plan.TimingChanged(true);
        break;
    default:
        if (random() % 2 == 0) {
            PasteLaneName(a, someLane(random), "lane " + QString::number(random() % 9));
        } else {
            a.plan.ResourcesFolder = "/sounds/" + QString::number(random() % 9) + '/';
            a.plan.SetModified(kChangeResourcesFolder, true);
        }
    }
}

} // namespace

// Thousands of edits of every kind, each a step: taking them all back gives the first plan byte
// for byte, making them all again the last, and any walk back and forth the plan of that point.
TEST_F(EditHistoryTest, UndoAndRedoOfEveryKindOfEditWalkThroughTheSamePlans) {
    std::mt19937 random(7);
    // A random plan to begin from, as if just loaded.
    for (int i = 0; i < 300; ++i)
        randomEdit(random);
    history.CloseStep();
    arrangement.plan.ClearModified();
    history.Clear(true);
    std::vector<QByteArray> plans{state()};
    while (plans.size() <= 2000) {
        randomEdit(random);
        // A value set again on the same ball at once joins the step before, as typing does.
        if (history.CloseStep())
            plans.push_back(state());
        else
            plans.back() = state();
    }
    ASSERT_EQ(plans.size(), 2001u);
    size_t at = plans.size() - 1;
    for (int move = 0; move < 3000; ++move) {
        const bool back = random() % 2 == 0;
        const size_t steps = 1 + random() % 20;
        for (size_t i = 0; i < steps; ++i)
            if (back ? history.Undo() : history.Redo())
                at = back ? at - 1 : at + 1;
        ASSERT_EQ(state().toStdString(), plans[at].toStdString())
            << "move " << move << " at " << at;
        ASSERT_NO_FATAL_FAILURE(expectBallsInTheirLanes());
    }
    while (history.Undo())
        --at;
    EXPECT_EQ(at, 0u);
    EXPECT_EQ(state(), plans.front());
    EXPECT_FALSE(arrangement.plan.Modified()) << "back at the saved plan";
    while (history.Redo())
        ++at;
    EXPECT_EQ(state(), plans.back());
    ASSERT_NO_FATAL_FAILURE(expectBallsInTheirLanes());
}

TEST_F(EditHistoryTest, ALaneRemovedComesBackWithItsBallsItsHueAndItsPlace) {
    TLane& second = arrangement.lanes.At(1);
    arrangement.lanes.SetHue(second, false, 200);
    const long double generated = arrangement.lanes.At(2).Piece().Hue();
    second.Piece().Loudness.SetValue(0.25L);
    for (int32_t column : {1, 3, 5})
        PlaceBall(arrangement, column, 1, false, nullptr, nullptr);
    history.CloseStep();
    const QByteArray before = state();

    RemoveLane(arrangement, arrangement.lanes.At(1), true, kChangeLaneRemoved);
    ASSERT_TRUE(history.CloseStep());
    EXPECT_EQ(arrangement.lanes.Count(), 3);
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(state(), before);
    const TLane& back = arrangement.lanes.At(1);
    EXPECT_EQ(back.Position(), 1);
    EXPECT_EQ(back.Piece().Hue(), 200);
    EXPECT_EQ(back.LaneBalls.size(), 3u) << "its balls are its own again";
    EXPECT_EQ(arrangement.balls.Find(3, 1)->Lane(), &back);
    EXPECT_EQ(history.RedoCode(), kChangeLaneRemoved);

    // A lane with a generated hue comes back in the same colour.
    RemoveLane(arrangement, arrangement.lanes.At(2), true, kChangeLaneRemoved);
    history.CloseStep();
    ASSERT_TRUE(history.Undo());
    EXPECT_TRUE(arrangement.lanes.At(2).Piece().HueAuto());
    EXPECT_EQ(arrangement.lanes.At(2).Piece().Hue(), generated);
}

TEST_F(EditHistoryTest, UndoOfATempoChangeTimesEveryBallAsBefore) {
    TBall* ball = PlaceBall(arrangement, 6, 0, false, nullptr, nullptr);
    history.CloseStep();
    const Elements start = ball->Start();
    arrangement.plan.MPH.SetText("90");
    arrangement.plan.SetModified(kChangeTempo, true);
    arrangement.plan.TimingChanged(true);
    ASSERT_TRUE(history.CloseStep());
    ASSERT_NE(ball->Start(), start);
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(arrangement.plan.MPH.Text(), "120");
    EXPECT_EQ(arrangement.balls.Find(6, 0)->Start(), start);
}

TEST_F(EditHistoryTest, TheViewAndTheMasterLoudnessAreNoSteps) {
    arrangement.room.OffsetX = 5;
    arrangement.room.Point.X = 3;
    arrangement.plan.SetMasterLoudness(0.5L, false);
    ToggleLaneStruck(arrangement, arrangement.lanes.At(0));
    ASSERT_TRUE(history.CloseStep());
    ASSERT_TRUE(history.Undo());
    EXPECT_FALSE(arrangement.lanes.At(0).Striked);
    EXPECT_EQ(arrangement.room.OffsetX, 5) << "the view stays where the user left it";
    EXPECT_EQ(arrangement.plan.MasterLoudness.Value(), 0.5L);
}

TEST_F(EditHistoryTest, TheOldestStepsGoWhenTheStepsOutgrowTheirMemory) {
    // Each step keeps a lane's long name twice, before and after.
    const QString longName(64 * 1024, u'n');
    const size_t renames = 1000;
    for (size_t i = 0; i < renames; ++i) {
        PasteLaneName(arrangement, arrangement.lanes.At(0), longName + QString::number(i));
        ASSERT_TRUE(history.CloseStep());
    }
    EXPECT_LE(history.Bytes(), TEditHistory::kMostBytes);
    size_t undone = 0;
    while (history.Undo())
        ++undone;
    EXPECT_LT(undone, renames) << "the oldest steps went";
    EXPECT_GT(undone, renames / 3) << "as many as fit stayed";
    EXPECT_NE(arrangement.lanes.At(0).Piece().Handle, QString()) << "the first name is not back";
}

TEST_F(EditHistoryTest, AnEditThatChangesNothingLeavesNoStepAndAPasteIsOneStep) {
    TBall* ball = PlaceBall(arrangement, 3, 1, false, nullptr, nullptr);
    ASSERT_TRUE(ball);
    ASSERT_TRUE(history.CloseStep());
    const QByteArray one = state();
    // A typed value put back as it was: the ball's text is the same.
    arrangement.balls.SetLoudness(*ball, std::nullopt);
    EXPECT_FALSE(history.CloseStep());

    PlaceBall(arrangement, 5, 2, false, nullptr, nullptr);
    PlaceBall(arrangement, 6, 2, false, nullptr, nullptr);
    history.CloseStep();
    const QByteArray three = state();
    arrangement.room.Point.X = 8;
    ASSERT_EQ(PasteBalls(arrangement, BallsText(arrangement, false), context, false), 3);
    arrangement.room.Point.X = 0;
    ASSERT_TRUE(history.CloseStep());
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(state(), three) << "the three pasted balls go in one step";
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(state(), one);
    EXPECT_EQ(history.RedoCode(), 64) << "a ball placed";
}

TEST_F(EditHistoryTest, AValueTypedKeyByKeyIsOneStepButTwoBallsAreTwo) {
    TBall* first = PlaceBall(arrangement, 3, 1, false, nullptr, nullptr);
    TBall* second = PlaceBall(arrangement, 4, 1, false, nullptr, nullptr);
    history.CloseStep();
    const QByteArray placed = state();
    for (long double typed : {1.0L, 12.0L, 120.0L}) {
        arrangement.balls.SetLoudness(*first, typed);
        history.CloseStep();
    }
    arrangement.balls.SetLoudness(*second, 50.0L);
    history.CloseStep();
    const QByteArray typed = state();
    ASSERT_TRUE(history.Undo());
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(state(), placed) << "the three keys go back in one step";
    ASSERT_TRUE(history.Redo());
    ASSERT_TRUE(history.Redo());
    EXPECT_EQ(state(), typed);
}

TEST_F(EditHistoryTest, ANewEditEndsTheRedos) {
    PlaceBall(arrangement, 3, 1, false, nullptr, nullptr);
    history.CloseStep();
    PlaceBall(arrangement, 4, 1, false, nullptr, nullptr);
    history.CloseStep();
    ASSERT_TRUE(history.Undo());
    EXPECT_TRUE(history.CanRedo());
    PlaceBall(arrangement, 9, 2, false, nullptr, nullptr);
    history.CloseStep();
    EXPECT_FALSE(history.CanRedo());
    ASSERT_TRUE(history.Undo());
    ASSERT_TRUE(history.Undo());
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(arrangement.balls.Count(), 0);
}

TEST_F(EditHistoryTest, ReplacingThePlanRecordsNothingAndStartsAfreshFromTheNewPlan) {
    PlaceBall(arrangement, 1, 1, false, nullptr, nullptr);
    history.CloseStep();
    int stepsBegun = 0;
    history.SetStepListener([&stepsBegun] { ++stepsBegun; });
    {
        const ReplacingPlan replacing(arrangement.recorder);
        arrangement.balls.RemoveAll(false);
        arrangement.balls.Add(2, 2, TPiece::kNoOwnHue, false); // as a reader adds them
        arrangement.plan.ClearModified();
    }
    EXPECT_EQ(stepsBegun, 0) << "a million balls read in are not recorded one by one";
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CloseStep()) << "the reading was no edit";
    PlaceBall(arrangement, 3, 3, false, nullptr, nullptr);
    history.CloseStep();
    ASSERT_TRUE(history.Undo());
    EXPECT_FALSE(arrangement.plan.Modified()) << "the new plan counts as its file's";
    EXPECT_EQ(arrangement.balls.Count(), 1);
    EXPECT_FALSE(history.CanUndo());
}

TEST_F(EditHistoryTest, UndoBackToTheSavedPlanLeavesItUnchangedAndOldStepsGo) {
    PlaceBall(arrangement, 1, 1, false, nullptr, nullptr);
    history.CloseStep();
    arrangement.plan.ClearModified(); // saved here
    PlaceBall(arrangement, 2, 1, false, nullptr, nullptr);
    history.CloseStep();
    EXPECT_TRUE(arrangement.plan.Modified());
    history.Undo();
    EXPECT_FALSE(arrangement.plan.Modified());
    history.Redo();
    EXPECT_TRUE(arrangement.plan.Modified()) << "past the saved plan";
    history.Undo();
    history.Undo();
    EXPECT_TRUE(arrangement.plan.Modified()) << "before the saved plan";

    history.Clear(true);
    for (size_t i = 0; i < TEditHistory::kMostSteps + 5; ++i) {
        PlaceBall(arrangement, static_cast<int32_t>(i % 200), static_cast<int32_t>(i / 200), false,
                  nullptr, nullptr);
        history.CloseStep();
    }
    size_t undone = 0;
    while (history.Undo())
        ++undone;
    EXPECT_EQ(undone, TEditHistory::kMostSteps);
    EXPECT_EQ(arrangement.balls.Count(), 5);
    EXPECT_TRUE(arrangement.plan.Modified()) << "the saved plan's step is gone";
}
