#include "commands/LaneCommands.h"
#include "PlanCommandFakes.h"
#include "commands/CommandIds.h"
#include "commands/CommandState.h"
#include "commands/ContextCommands.h"
#include "controls/RoomFixture.h"
#include "controls/SoundFileFakes.h"
#include "controls/TheLaneStrip.h"
#include "controls/TheWatch.h"
#include "controls/WatchRelay.h"
#include "controls/WatchTyper.h"
#include "model/LaneClipboard.h"
#include "model/LaneEdits.h"
#include "model/LaneOperations.h"

namespace {

// Our room, lane strip and watch; lanes "a" at row 1 and "b" at row 2, a ball of "a" at the
// point (3, 1). The lane commands in their tables over a recording desktop.
class LaneCommandsTest : public RoomFixture {
protected:
    LaneCommandsTest() {
        AddWatch(makers, arrangement, menus, relay);
        AddLaneStrip(makers, LaneStripLinks{arrangement, mixer, relay, soundFiles, menus});
        make();
        a = &addLane(1, "a");
        b = &addLane(2, "b");
        ball = arrangement.balls.Add(3, 1, TPiece::kNoOwnHue, false);
        arrangement.room.Point.X = 3;
        arrangement.room.Point.Y = 1;
        AddLaneCommands(main, contexts,
                        {arrangement,
                         state,
                         desktop,
                         *interior,
                         {},
                         [this] { return modifiers; },
                         [this] { return popupRow; },
                         {}});
    }
    ~LaneCommandsTest() override { interior.reset(); }

    TLane& addLane(int32_t position, const char* name) {
        TLane& lane = arrangement.lanes.Add(position, TPiece::kNoOwnHue, true);
        lane.Piece().Handle = QString::fromLatin1(name);
        return lane;
    }
    // The lane menu's id on the lane at the point's row, as the menu picks it.
    void onLaneAtPoint(int id) {
        contexts.PickObjects();
        contexts.Run(Dispatcher::Lane, id);
    }
    TWatchTyper& typer() { return TheWatchOf(*interior)->Typer(); }

    WatchRelay relay;
    ChosenSoundFile soundFiles;
    FakeDesktop desktop;
    CommandState state;
    CommandTable main;
    ContextCommands contexts{arrangement, state, main};
    Qt::KeyboardModifiers modifiers;
    int32_t popupRow = 1;
    TLane* a = nullptr;
    TLane* b = nullptr;
    TBall* ball = nullptr;
};

TEST_F(LaneCommandsTest, RemovingTheLaneAtThePointForgetsItAndItsBallAndWithoutOneDoesNothing) {
    onLaneAtPoint(cmd::kRemoveLane);
    EXPECT_EQ(state.CurrentLane, nullptr);
    EXPECT_EQ(state.CurrentBall, nullptr);
    EXPECT_EQ(arrangement.lanes.AtPosition(1), nullptr);
    EXPECT_EQ(arrangement.balls.Count(), 0);
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeLaneRemoved);

    arrangement.plan.ClearModified();
    onLaneAtPoint(cmd::kRemoveLane); // row 1 has no lane now
    EXPECT_EQ(arrangement.lanes.Count(), 1);
    EXPECT_FALSE(arrangement.plan.Modified());
}

TEST_F(LaneCommandsTest, ACutLaneGoesToTheClipboardWithItsBallsAndLeavesThePlan) {
    onLaneAtPoint(cmd::kCutLane);
    EXPECT_TRUE(desktop.clipboard.startsWith("[Lane.")) << desktop.clipboard.toStdString();
    EXPECT_TRUE(desktop.clipboard.contains("\nX=3")) << desktop.clipboard.toStdString();
    EXPECT_EQ(arrangement.lanes.AtPosition(1), nullptr);
    EXPECT_EQ(arrangement.balls.Count(), 0);
    EXPECT_EQ(state.CurrentBall, nullptr);
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeLaneCut);
}

TEST_F(LaneCommandsTest, TheNameIsExchangedWithTheClipboardsFirstLineOnly) {
    desktop.clipboard = QStringLiteral("Snare\r\n[Lane.9]");
    onLaneAtPoint(cmd::kExchangeLaneName);
    EXPECT_EQ(a->Piece().Handle, "Snare");
    EXPECT_EQ(desktop.clipboard, "a");
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeLaneNamePasted);

    desktop.clipboard = QStringLiteral(" \r\n");
    onLaneAtPoint(cmd::kExchangeLaneName); // nothing to take: nothing changes hands
    EXPECT_EQ(a->Piece().Handle, "Snare");
    EXPECT_EQ(desktop.clipboard, " \r\n");
}

TEST_F(LaneCommandsTest, TypedLoudnessFollowsTheTyperAndComesBackWhenCancelled) {
    onLaneAtPoint(cmd::kTypeLaneLoudness);
    ASSERT_TRUE(typer().Active());
    EXPECT_EQ(typer().Value(), 80); // the lane has no loudness of its own
    typer().SetValue(55);
    EXPECT_EQ(a->Piece().Loudness.Value(), 0.55L);
    typer().End(false);
    EXPECT_EQ(a->Piece().Loudness.Text(), "-1");
    EXPECT_FALSE(arrangement.plan.Modified());

    onLaneAtPoint(cmd::kTypeLanePan);
    typer().SetValue(-40);
    typer().End(true);
    EXPECT_EQ(a->Piece().Pan.Value(), -0.4L);
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeLanePan);

    ASSERT_TRUE(typer().LastParameters().has_value());
    onLaneAtPoint(cmd::kRemoveLane);
    EXPECT_FALSE(typer().LastParameters().has_value()) << "its lane went: not offered again";
}

TEST_F(LaneCommandsTest, ShiftKeepsTheBallsWhenBallsAreLaidOut) {
    modifiers = Qt::ShiftModifier;
    onLaneAtPoint(cmd::kBallEveryStep + 3); // every 8 steps over the range 0 .. 31
    EXPECT_EQ(a->LaneBalls.size(), 5u);
    EXPECT_EQ(state.CurrentBall, ball);
    modifiers = {};
    onLaneAtPoint(cmd::kBallEveryStep + 2);
    EXPECT_EQ(a->LaneBalls.size(), 8u);
    EXPECT_EQ(state.CurrentBall, nullptr) << "the ball went with the others";
}

TEST_F(LaneCommandsTest, TheStripsEmptyRowGetsALaneAndTheLaneListIsCopied) {
    contexts.Run(Dispatcher::LaneStrip, cmd::kAddEmptyLane); // row 1 has its lane
    EXPECT_EQ(arrangement.lanes.Count(), 2);
    popupRow = 5;
    contexts.Run(Dispatcher::LaneStrip, cmd::kAddEmptyLane);
    ASSERT_NE(arrangement.lanes.AtPosition(5), nullptr);
    arrangement.lanes.AtPosition(5)->Piece().Handle = QStringLiteral("c");

    // Shared with the lanes menu: the strip's menu finds it in the main table.
    contexts.Run(Dispatcher::LaneStrip, cmd::kCopyLaneList);
    EXPECT_EQ(desktop.clipboard, "a\r\nb\r\nc\r\n");
}

} // namespace
