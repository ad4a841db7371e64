#include "commands/BallEditCommands.h"
#include "PlanCommandFakes.h"
#include "commands/BallClipboard.h"
#include "commands/BallLength.h"
#include "commands/CommandIds.h"
#include "commands/CommandState.h"
#include "commands/ContextCommands.h"
#include "controls/RoomFixture.h"
#include "controls/TheWatch.h"
#include "controls/WatchRelay.h"
#include "controls/WatchTyper.h"
#include "support/WideMemIniFile.h"
#include "texts/Parlance.h"

namespace {

// The commands over our room, lane strip stand-in and watch, with the English texts.
class BallEditCommandsTest : public RoomFixture {
protected:
    BallEditCommandsTest() {
        FreeParlance();
        TWideMemIniFile languages(QString{});
        languages.SetText("[Main]\nLanguages=English\nLanguageCodes=en\n");
        LoadParlance(languages, QStringLiteral(GBX_SOURCE_DIR "/data/"));
        AddWatch(makers, arrangement, menus, relay);
        make();
        AddBallEditCommands(
            main, contexts,
            {arrangement, state, commandHost, desktop, *interior, settings, [] { return nullptr; },
             [this] { return held; }, [this] { return popupRow; },
             [this](const QString& caption, const QString& text, const QString& detail) {
                 asked << caption << text << detail;
                 return yes;
             }});
        arrangement.plan.ClearModified();
    }
    ~BallEditCommandsTest() override {
        interior.reset();
        FreeParlance();
    }

    // The object at the point picked as a context menu opens, then the id run.
    void run(Dispatcher which, int id) {
        contexts.PickObjects();
        contexts.Run(which, id);
    }
    void pointAt(int32_t x, int32_t y) {
        arrangement.room.Point.X = x;
        arrangement.room.Point.Y = y;
    }
    TWatchTyper& typer() { return TheWatchOf(*interior)->Typer(); }

    WatchRelay relay;
    CommandState state;
    CommandTable main;
    ContextCommands contexts{arrangement, state, main};
    FakeCommandHost commandHost;
    FakeDesktop desktop;
    TWideMemIniFile settings{QString()};
    Qt::KeyboardModifiers held;
    int32_t popupRow = 0;
    bool yes = false;
    QStringList asked;
};

TEST_F(BallEditCommandsTest, ALengthFromTheRoomMenuAddsABallAtThePoint) {
    pointAt(3, 2);
    run(Dispatcher::Room, cmd::kBallLengthOneStep);
    TBall* ball = arrangement.balls.Find(3, 2);
    ASSERT_NE(ball, nullptr);
    EXPECT_EQ(state.CurrentBall, ball);
    const QString perStep =
        QString::number(static_cast<double>(arrangement.plan.ElementsPerStep()), 'g', 15);
    EXPECT_EQ(QString::fromStdString(ball->EditPiece().Life.Text()), perStep + " * 1");
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeBallLength);
}

TEST_F(BallEditCommandsTest, ACutBallPastesAtThePointElsewhere) {
    arrangement.balls.Add(3, 2, TPiece::kNoOwnHue, false)->EditPiece().Life.SetText("5");
    pointAt(3, 2);
    contexts.PickObjects(); // as Ctrl+X picks the ball at the point
    contexts.Run(Dispatcher::Ball, cmd::kCutBall);
    EXPECT_EQ(arrangement.balls.Count(), 0);
    EXPECT_EQ(state.CurrentBall, nullptr);
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeBallCut);
    EXPECT_EQ(desktop.clipboard, "[0]\r\nX=3\r\nY=2\r\nLife=5\r\n");

    pointAt(7, 9);
    main.Run(cmd::kPasteBalls); // Ctrl+V
    ASSERT_NE(arrangement.balls.Find(7, 9), nullptr);
    EXPECT_EQ(arrangement.balls.Find(7, 9)->EditPiece().Life.Text(), "5");
    EXPECT_EQ(state.CurrentBall, arrangement.balls.Find(7, 9));
}

TEST_F(BallEditCommandsTest, DeletingAllBallsAsksFirstAndShiftKeepsThoseOutsideThePlayRange) {
    arrangement.balls.Add(1, 1, TPiece::kNoOwnHue, false);
    arrangement.balls.Add(40000, 1, TPiece::kNoOwnHue, false); // beyond the play range
    main.Run(cmd::kDeleteAllBalls);
    EXPECT_EQ(asked, (QStringList{"Please confirm", "Delete all balls?", "balls: 2."}));
    EXPECT_EQ(arrangement.balls.Count(), 2);
    EXPECT_FALSE(arrangement.plan.Modified());

    yes = true;
    held = Qt::ShiftModifier;
    main.Run(cmd::kDeleteAllBalls);
    ASSERT_EQ(arrangement.balls.Count(), 1);
    EXPECT_EQ(arrangement.balls.At(0).X(), 40000);
    EXPECT_EQ(arrangement.plan.LastChangeCode(), 242);
}

TEST_F(BallEditCommandsTest, TheStripsBallPasteFillsTheRowUnderTheMenu) {
    desktop.clipboard = "[0]\r\nX=5\r\nY=2\r\n[1]\r\nX=6\r\nY=3\r\n";
    state.CurrentLane = &arrangement.lanes.Add(1, 20, false);
    popupRow = 4;
    contexts.Run(Dispatcher::LaneStrip, cmd::kStripPasteLaneBalls);
    EXPECT_EQ(state.CurrentLane, nullptr);
    EXPECT_NE(arrangement.balls.Find(5, 4), nullptr);
    EXPECT_NE(arrangement.balls.Find(6, 4), nullptr);
    EXPECT_EQ(arrangement.balls.Count(), 2);
}

TEST_F(BallEditCommandsTest, TypedLengthsApplyAsTypedAndShowBackTheSame) {
    TBall* ball = arrangement.balls.Add(3, 2, TPiece::kNoOwnHue, false);
    SetBallLength(arrangement, ball, 3, false);
    pointAt(3, 2);
    run(Dispatcher::Ball, cmd::kTypeBallSteps);
    ASSERT_TRUE(typer().Active());
    EXPECT_EQ(typer().Value(), 3);
    typer().SetValue(6);
    const QString perStep =
        QString::number(static_cast<double>(arrangement.plan.ElementsPerStep()), 'g', 15);
    EXPECT_EQ(QString::fromStdString(ball->EditPiece().Life.Text()), perStep + " * 6");
    typer().End(true);
}

TEST_F(BallEditCommandsTest, ACancelledLengthPutsTheLengthBackOrTakesTheAddedBallAway) {
    TBall* ball = arrangement.balls.Add(3, 2, TPiece::kNoOwnHue, false);
    ball->EditPiece().Life.SetText("5");
    pointAt(3, 2);
    run(Dispatcher::Ball, cmd::kTypeBallSteps);
    typer().SetValue(6);
    typer().End(false);
    EXPECT_EQ(ball->EditPiece().Life.Text(), "5");

    pointAt(4, 2);
    run(Dispatcher::Room, cmd::kTypeBallSteps);
    typer().SetValue(2);
    ASSERT_NE(arrangement.balls.Find(4, 2), nullptr);
    typer().End(false);
    EXPECT_EQ(arrangement.balls.Find(4, 2), nullptr);
    EXPECT_EQ(state.CurrentBall, nullptr);
}

TEST_F(BallEditCommandsTest, ATypedLoudnessAppliesAtOnceAndACancelPutsItBack) {
    TBall* ball = arrangement.balls.Add(3, 2, TPiece::kNoOwnHue, false);
    pointAt(3, 2);
    run(Dispatcher::Ball, cmd::kTypeBallLoudness);
    ASSERT_TRUE(typer().Active());
    EXPECT_EQ(typer().Value(), 100); // none set: the default shows
    typer().SetValue(50);
    EXPECT_EQ(ball->EditPiece().Loudness.Value(), 0.5L);
    typer().End(false);
    EXPECT_EQ(ball->EditPiece().Loudness.Text(), "-1");

    ball->EditPiece().Loudness.SetValue(0.3L); // a value of its own shows as it is
    run(Dispatcher::Ball, cmd::kTypeBallLoudness);
    EXPECT_EQ(typer().Value(), 30);
    typer().End(false);
}

} // namespace
