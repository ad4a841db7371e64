#include "commands/SoundFileCommands.h"
#include "EnglishTexts.h"
#include "PlanCommandFakes.h"
#include "audio/MinglerFixture.h"
#include "commands/BallPlacing.h"
#include "commands/CommandIds.h"
#include "commands/CommandState.h"
#include "commands/ContextCommands.h"
#include "commands/EditorialProgram.h"
#include "commands/SoundFileName.h"
#include "controls/SoundFileFakes.h"
#include "model/LaneEdits.h"
#include "support/SettingKeys.h"
#include "support/WideMemIniFile.h"

#include <climits>

using namespace audiotest;

namespace {

// The sound-file commands over a real mix in decode mode, with a lane at row 2 playing a ramp
// and a ball on it at column 3; the user and the desktop are scripted.
class SoundFileCommandsTest : public MinglerFixture {
protected:
    void SetUp() override {
        MinglerFixture::SetUp();
        WriteWav(file("level.wav"), PlanFixture::kRate, 2, 5000,
                 [](int64_t, int) { return 0.25f; });
        lane = &plan.AddLane(2, file("ramp.wav"));
        ball = &plan.AddBall(3, 2);
        make(false);
        AddSoundFileCommands(main, contexts, links);
        model().plan.ClearModified();
    }
    Arrangement& model() { return plan.arrangement; }
    bool run(Dispatcher which, int id) { return contexts.Run(which, id); }
    void pointAt(int32_t x, int32_t y) {
        model().room.Point.X = x;
        model().room.Point.Y = y;
    }
    QString resourceName(const TPiece& piece) const {
        return piece.Resource ? piece.Resource->Name : QString();
    }

    TLane* lane = nullptr;
    TBall* ball = nullptr;
    FakeCommandHost window;
    LockCountingAudio noLocks;
    ScriptedDialogs dialogs{window, noLocks};
    FakeDesktop desktop;
    ChosenSoundFile chooser;
    TWideMemIniFile settings{QString()};
    BallPlacing placing{plan.arrangement, settings};
    EnglishTexts texts; // other tests free the texts the engine loaded
    CommandState state;
    CommandTable main;
    ContextCommands contexts{plan.arrangement, state, main};
    int32_t popupRow = 5;
    std::vector<const TLane*> refreshed;
    int roomRepaints = 0;
    SoundFileLinks links{plan.arrangement,
                         window,
                         state,
                         dialogs,
                         desktop,
                         chooser,
                         placing,
                         settings,
                         [this] { return mingler.get(); },
                         [this] { return popupRow; },
                         [this](const TLane& l) { refreshed.push_back(&l); },
                         [this] { ++roomRepaints; }};
};

TEST(SoundFileName, OnlyTheFirstTrimmedLineWithoutControlCharactersIsAName) {
    EXPECT_EQ(SoundFileNameFromText("\r\n  /music/a b.wav \r\n[Lane.1]\r\nHandle=x"),
              "/music/a b.wav");
    EXPECT_EQ(SoundFileNameFromText("file:///music/a%20b.wav\n"), "/music/a b.wav");
    EXPECT_EQ(SoundFileNameFromText("/music/a\tb.wav"), "");
    EXPECT_EQ(SoundFileNameFromText("/music/a\x1b[2Jb.wav"), "");
    EXPECT_EQ(SoundFileNameFromText("   "), "");
}

TEST_F(SoundFileCommandsTest, ALanesFileIsPastedUnlinkedAndChosenWithTheirChangeCodes) {
    state.CurrentLane = lane;
    // A section smuggled in after the name stays out of the plan.
    desktop.clipboard = file("level.wav") + "\r\n[Ball.9]\r\nX=1";
    EXPECT_TRUE(run(Dispatcher::Lane, cmd::kPasteSoundFileName));
    EXPECT_EQ(resourceName(lane->Piece()), file("level.wav"));
    EXPECT_EQ(model().plan.LastChangeCode(), 250);
    EXPECT_EQ(refreshed, std::vector<const TLane*>{lane});

    run(Dispatcher::Lane, cmd::kUnlinkSoundFile);
    EXPECT_EQ(lane->Piece().Resource, nullptr);
    model().plan.ClearModified();

    chooser.answer = file("ramp.wav");
    run(Dispatcher::Lane, cmd::kChooseSoundFile);
    EXPECT_EQ(chooser.proposed, "");
    EXPECT_EQ(resourceName(lane->Piece()), file("ramp.wav"));
    EXPECT_EQ(model().plan.LastChangeCode(), 252);
    run(Dispatcher::Lane, cmd::kChooseSoundFile);
    EXPECT_EQ(chooser.proposed, file("ramp.wav"));

    // A name that does not decode changes nothing and leaves no resource behind.
    model().plan.ClearModified();
    const int resources = model().resources.Count();
    desktop.clipboard = file("missing.wav");
    run(Dispatcher::Lane, cmd::kPasteSoundFileName);
    EXPECT_EQ(resourceName(lane->Piece()), file("ramp.wav"));
    EXPECT_FALSE(model().plan.Modified());
    EXPECT_EQ(model().resources.Count(), resources);
}

TEST_F(SoundFileCommandsTest, ABallGetsAFileOfItsOwnAndLosesIt) {
    state.CurrentBall = ball;
    desktop.clipboard = file("level.wav");
    run(Dispatcher::Ball, cmd::kPasteSoundFileName);
    EXPECT_EQ(resourceName(ball->EditPiece()), file("level.wav"));
    EXPECT_EQ(model().plan.LastChangeCode(), 251);

    chooser.answer = file("ramp.wav");
    run(Dispatcher::Ball, cmd::kChooseSoundFile);
    EXPECT_EQ(chooser.proposed, file("level.wav"));
    EXPECT_EQ(resourceName(ball->EditPiece()), file("ramp.wav"));
    EXPECT_EQ(model().plan.LastChangeCode(), 253);

    model().plan.ClearModified();
    run(Dispatcher::Ball, cmd::kUnlinkSoundFile);
    EXPECT_EQ(ball->EditPiece().Resource, nullptr);
    EXPECT_EQ(model().plan.LastChangeCode(), 253);
    EXPECT_EQ(refreshed.back(), lane);
    // Without a ball the ball's commands do nothing.
    state.CurrentBall = nullptr;
    model().plan.ClearModified();
    run(Dispatcher::Ball, cmd::kPasteSoundFileName);
    run(Dispatcher::Ball, cmd::kChooseSoundFile);
    EXPECT_FALSE(model().plan.Modified());
    EXPECT_EQ(chooser.asked, 1);
}

TEST_F(SoundFileCommandsTest, TheLaneStripAddsLanesAtThePopupRow) {
    state.CurrentLane = lane; // a lane paste from the strip forgets it
    desktop.clipboard = file("level.wav");
    run(Dispatcher::LaneStrip, cmd::kPasteSoundFileAsLane);
    EXPECT_EQ(state.CurrentLane, nullptr);
    const TLane* pasted = model().lanes.AtPosition(5);
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(resourceName(pasted->Piece()), file("level.wav"));
    EXPECT_EQ(resourceName(lane->Piece()), file("ramp.wav"));
    EXPECT_EQ(model().plan.LastChangeCode(), 250);

    popupRow = 7;
    chooser.answer = file("ramp.wav");
    run(Dispatcher::LaneStrip, cmd::kChooseSoundFile);
    const TLane* chosen = model().lanes.AtPosition(7);
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(resourceName(chosen->Piece()), file("ramp.wav"));
    EXPECT_EQ(model().plan.LastChangeCode(), 252);
    EXPECT_EQ(refreshed, (std::vector<const TLane*>{pasted, chosen}));
}

TEST_F(SoundFileCommandsTest, TheRoomPutsAFileOnThePointsCell) {
    model().room.OffsetX = 1;
    pointAt(4, 9);
    desktop.clipboard = file("level.wav") + "\n";
    run(Dispatcher::Room, cmd::kPasteSoundFile);
    const TBall* placed = model().balls.Find(4, 9);
    ASSERT_NE(placed, nullptr);
    ASSERT_NE(placed->Lane(), nullptr);
    EXPECT_EQ(resourceName(placed->Lane()->Piece()), file("level.wav"));
    EXPECT_EQ(roomRepaints, 1);

    pointAt(6, 9);
    run(Dispatcher::Room, cmd::kChooseSoundFile); // the dialog is cancelled
    EXPECT_EQ(chooser.asked, 1);
    EXPECT_EQ(model().balls.Find(6, 9), nullptr);
}

TEST_F(SoundFileCommandsTest, TheKeysChooseForTheBallAtThePointOrItsCell) {
    chooser.answer = file("level.wav");
    pointAt(3, 2);
    ChooseSoundFileAtPoint(contexts, state);
    EXPECT_EQ(state.CurrentBall, ball);
    EXPECT_EQ(resourceName(ball->EditPiece()), file("level.wav"));
    EXPECT_EQ(model().balls.Count(), 1);
    pointAt(8, 2);
    ChooseSoundFileAtPoint(contexts, state);
    EXPECT_NE(model().balls.Find(8, 2), nullptr);

    pointAt(9, 2);
    CopySoundFileNameAtPoint(contexts, state, desktop);
    EXPECT_EQ(desktop.clipboard, file("ramp.wav")); // no ball there: the lane's file
    pointAt(3, 2);
    CopySoundFileNameAtPoint(contexts, state, desktop);
    EXPECT_EQ(desktop.clipboard, file("level.wav"));
}

TEST_F(SoundFileCommandsTest, AddLaneGoesOnePastTheHighestLane) {
    chooser.answer = file("level.wav");
    plan.AddLane(9, file("ramp.wav"));
    main.Run(cmd::kAddLane);
    EXPECT_NE(model().lanes.AtPosition(10), nullptr);
    EXPECT_EQ(model().plan.LastChangeCode(), 252);

    plan.AddLane(INT32_MAX, file("ramp.wav"));
    main.Run(cmd::kAddLane);
    EXPECT_NE(model().lanes.AtPosition(0), nullptr);
    const int lanes = model().lanes.Count();
    main.Run(cmd::kAddLane); // row 0 is taken: nowhere to go, nothing asked
    EXPECT_EQ(model().lanes.Count(), lanes);
    EXPECT_EQ(chooser.asked, 2);
}

TEST_F(SoundFileCommandsTest, TheFirstLaneOfAPlanGoesOnRowZero) {
    model().lanes.RemoveAll();
    chooser.answer = file("level.wav");
    main.Run(cmd::kAddLane);
    ASSERT_EQ(model().lanes.Count(), 1);
    EXPECT_EQ(model().lanes.At(0).Position(), 0);
}

TEST_F(SoundFileCommandsTest, TheFileOperationsActOnTheOwnFileOnly) {
    state.CurrentLane = lane;
    state.CurrentBall = ball; // it sounds its lane's file: nothing of its own
    for (int id : {cmd::kEditSoundFile, cmd::kOpenSoundFile, cmd::kOpenSoundFileWith,
                   cmd::kShowSoundFileInFolder, cmd::kCopySoundFileName, cmd::kSoundFileInfo,
                   cmd::kShowSoundFileProperties})
        run(Dispatcher::Ball, id);
    EXPECT_TRUE(desktop.started.empty());
    EXPECT_TRUE(desktop.openedWithDefault.empty());
    EXPECT_TRUE(dialogs.information.empty());
    EXPECT_TRUE(dialogs.openSpecs.empty());

    const QString ramp = file("ramp.wav");
    run(Dispatcher::Lane, cmd::kOpenSoundFile);
    run(Dispatcher::Lane, cmd::kOpenSoundFileWith);
    run(Dispatcher::Lane, cmd::kShowSoundFileInFolder);
    run(Dispatcher::Lane, cmd::kCopySoundFileName);
    run(Dispatcher::Lane, cmd::kShowSoundFileProperties);
    EXPECT_EQ(desktop.openedWithDefault, QStringList{ramp});
    EXPECT_EQ(dialogs.openWith, QStringList{ramp});
    EXPECT_EQ(desktop.shownInFolder, QStringList{ramp});
    EXPECT_EQ(desktop.clipboard, ramp);
    EXPECT_EQ(dialogs.properties, QStringList{ramp});
    run(Dispatcher::Lane, cmd::kSoundFileInfo);
    ASSERT_EQ(dialogs.information.size(), 1u);
    EXPECT_EQ(dialogs.information[0].first, "Lane sound file");
    EXPECT_TRUE(dialogs.information[0].second.startsWith("Sound file\r\n" + ramp + "\r\n\r\n"));
    EXPECT_EQ(window.aside, 0);
}

TEST_F(SoundFileCommandsTest, EditingAsksForTheEditorFirstAndRemembersWhereItWas) {
    state.CurrentLane = lane;
    run(Dispatcher::Lane, cmd::kEditSoundFile); // the editor's dialog is cancelled
    ASSERT_EQ(dialogs.openSpecs.size(), 1u);
    EXPECT_EQ(dialogs.openSpecs[0].folder, "/usr/bin");
    EXPECT_TRUE(desktop.started.empty());

    dialogs.openName = file("editor");
    run(Dispatcher::Lane, cmd::kEditSoundFile);
    EXPECT_EQ(EditorialProgram(settings), file("editor"));
    EXPECT_EQ(ReadSettingText(settings, Setting("Main", "EditorialProgramFolder")) + "/",
              m_dir.path());
    ASSERT_EQ(desktop.started.size(), 1u);
    EXPECT_EQ(desktop.started[0].first, file("editor"));
    EXPECT_EQ(desktop.started[0].second, QStringList{file("ramp.wav")});
    run(Dispatcher::Lane, cmd::kEditSoundFile); // chosen once: not asked again
    EXPECT_EQ(dialogs.openSpecs.size(), 2u);
    EXPECT_EQ(desktop.started.size(), 2u);
}

TEST_F(SoundFileCommandsTest, AReloadedFileSoundsAsItIsNowOnDisk) {
    // The ball at column 3 starts 6000 frames in; the file grows from 3000 frames to 4000
    // before it is reached, and the ball plays it to its new end.
    mingler->Roll(Elements{0});
    pull(1000);
    WriteWav(file("ramp.wav"), PlanFixture::kRate, 2, 4000, [](int64_t, int) { return 0.5f; });
    state.CurrentLane = lane;
    run(Dispatcher::Lane, cmd::kReloadSoundFile);
    EXPECT_EQ(lane->Piece().Resource->Frames(), 4000);
    EXPECT_EQ(roomRepaints, 1);
    const std::vector<int16_t> out = pull(9000);
    EXPECT_NEAR(Sample(out, 5000 + 3500, 0), 16384, 1);
}

} // namespace
