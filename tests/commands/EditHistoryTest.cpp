#include "commands/EditHistory.h"
#include "commands/BallClipboard.h"
#include "commands/BallPlacing.h"
#include "controls/BallLink.h"
#include "model/Arrangement.h"
#include "planfile/TextPlanWriter.h"

#include <gtest/gtest.h>

#include <random>

namespace {

class EditHistoryTest : public ::testing::Test {
protected:
    EditHistoryTest() {
        for (int row = 0; row < 4; ++row)
            arrangement.lanes.Add(row, TPiece::kNoOwnHue, true);
        arrangement.plan.ClearModified();
        history.SetRecording(true);
    }
    QByteArray text() const { return WriteTextPlan(arrangement, TextPlanScope::Whole).bytes; }

    Arrangement arrangement;
    PlanReadContext context;
    TEditHistory history{arrangement, [this] { return context; }};
};

// One random edit through the commands; false when it changed nothing.
bool randomEdit(Arrangement& arrangement, const PlanReadContext& context, std::mt19937& random) {
    const int32_t column = static_cast<int32_t>(random() % 12);
    const int32_t row = static_cast<int32_t>(random() % 5); // row 4 has no lane
    TBall* there = arrangement.balls.Find(column, row);
    switch (random() % 5) {
    case 0:
        return PlaceBall(arrangement, column, row, random() % 2 == 0, nullptr, nullptr) != nullptr;
    case 1:
        return RemoveBallAtCell(arrangement, column, row, kChangeBallRemoved, nullptr);
    case 2:
        if (!there)
            return false;
        arrangement.balls.SetLoudness(*there, static_cast<long double>(random() % 101));
        return true;
    case 3:
        if (!there)
            return false;
        arrangement.balls.SetPan(*there, static_cast<int>(random() % 101));
        return true;
    default: {
        if (!there)
            return false;
        // The point, which the file keeps, is where the paste lands; it is put back after.
        const TThePoint point = arrangement.room.Point;
        arrangement.room.Point.X = static_cast<int32_t>(random() % 12);
        arrangement.room.Point.Y = static_cast<int32_t>(random() % 5);
        const bool pasted = PasteBalls(arrangement, BallText(*there), context, false) > 0;
        arrangement.room.Point = point;
        return pasted;
    }
    }
}

} // namespace

// Random edits, each a step; taking them all back gives the first plan byte for byte, making them
// all again the last, and any walk back and forth the plan of that point.
TEST_F(EditHistoryTest, UndoAndRedoWalkThroughTheSamePlansAsTheEdits) {
    std::mt19937 random(11);
    std::vector<QByteArray> plans{text()};
    while (plans.size() < 400) {
        if (!randomEdit(arrangement, context, random))
            continue;
        // A value set again on the same ball at once joins the step before, as typing does.
        if (history.CloseStep())
            plans.push_back(text());
        else
            plans.back() = text();
    }
    size_t at = plans.size() - 1;
    for (int move = 0; move < 600; ++move) {
        const bool back = random() % 2 == 0;
        if (back ? history.Undo() : history.Redo())
            at = back ? at - 1 : at + 1;
        ASSERT_EQ(text(), plans[at]) << "move " << move << " at " << at;
    }
    while (history.Undo())
        --at;
    EXPECT_EQ(at, 0u);
    EXPECT_EQ(text(), plans.front());
    EXPECT_FALSE(arrangement.plan.Modified()) << "back at the saved plan";
    while (history.Redo())
        ++at;
    EXPECT_EQ(text(), plans.back());
    EXPECT_TRUE(arrangement.plan.Modified());
}

TEST_F(EditHistoryTest, AnEditThatChangesNothingLeavesNoStepAndAPasteIsOneStep) {
    TBall* ball = PlaceBall(arrangement, 3, 1, false, nullptr, nullptr);
    ASSERT_TRUE(ball);
    ASSERT_TRUE(history.CloseStep());
    const QByteArray one = text();
    // A typed value put back as it was: the ball's text is the same.
    arrangement.balls.SetLoudness(*ball, std::nullopt);
    EXPECT_FALSE(history.CloseStep());

    PlaceBall(arrangement, 5, 2, false, nullptr, nullptr);
    PlaceBall(arrangement, 6, 2, false, nullptr, nullptr);
    history.CloseStep();
    const QByteArray three = text();
    arrangement.room.Point.X = 8;
    ASSERT_EQ(PasteBalls(arrangement, BallsText(arrangement, false), context, false), 3);
    arrangement.room.Point.X = 0;
    ASSERT_TRUE(history.CloseStep());
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(text(), three) << "the three pasted balls go in one step";
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(text(), one);
    EXPECT_EQ(history.RedoCode(), 64) << "a ball placed";
}

TEST_F(EditHistoryTest, AValueTypedKeyByKeyIsOneStepButTwoBallsAreTwo) {
    TBall* first = PlaceBall(arrangement, 3, 1, false, nullptr, nullptr);
    TBall* second = PlaceBall(arrangement, 4, 1, false, nullptr, nullptr);
    history.CloseStep();
    const QByteArray placed = text();
    for (long double typed : {1.0L, 12.0L, 120.0L}) {
        arrangement.balls.SetLoudness(*first, typed);
        history.CloseStep();
    }
    arrangement.balls.SetLoudness(*second, 50.0L);
    history.CloseStep();
    const QByteArray typed = text();
    ASSERT_TRUE(history.Undo());
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(text(), placed) << "the three keys go back in one step";
    ASSERT_TRUE(history.Redo());
    ASSERT_TRUE(history.Redo());
    EXPECT_EQ(text(), typed);
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
