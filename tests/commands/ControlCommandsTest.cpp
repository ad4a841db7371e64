#include "commands/ControlCommands.h"
#include "PlanCommandFakes.h"
#include "audio/AudioOutput.h"
#include "commands/CommandIds.h"
#include "commands/CommandRouting.h"
#include "commands/CommandState.h"
#include "commands/ContextCommands.h"
#include "commands/ReportCommands.h"
#include "controls/WatchFixture.h"
#include "support/SettingKeys.h"
#include "support/WideMemIniFile.h"
#include "texts/Parlance.h"

#include <QCoreApplication>

#include <cmath>

namespace {

class RecordingReport : public ReportLink {
public:
    bool Visible() const override { return visible; }
    void Show(bool on) override { visible = on; }
    int RowCount() const override { return 3; }
    int SelectedRowCount() const override { return 1; }
    void ReportKey(int key, Qt::KeyboardModifiers modifiers) override {
        keys.push_back({key, modifiers});
    }
    bool visible = false;
    std::vector<std::pair<int, Qt::KeyboardModifiers>> keys;
};

constexpr long double kElementsPerMs = 44100.0L * 4 / 1000;

// The watch, the slider, the room and the ruler over a fake carrier, with the commands of all
// four registered as the program registers them.
class ControlCommandsTest : public WatchFixture {
protected:
    ControlCommandsTest() {
        TWideMemIniFile texts(QString{});
        texts.SetText("[Main]\nLanguages=English\nLanguageCodes=en\n");
        LoadParlance(texts, QStringLiteral(GBX_SOURCE_DIR "/data/"));
        make();
        AddControlCommands(main, contexts,
                           {arrangement,
                            *interior,
                            transport,
                            desktop,
                            commandHost,
                            dialogs,
                            report,
                            store,
                            output,
                            {},
                            [this] { return rulerX; },
                            [this] { ++blinkSwitches; }});
    }
    ~ControlCommandsTest() override { FreeParlance(); }

    bool run(Dispatcher which, int id) { return contexts.Run(which, id); }
    bool runMain(int id) { return main.Run(id); }
    // Types a value into the entry a command started and commits it.
    void commit(int32_t value) {
        ASSERT_TRUE(typer().Active());
        typer().SetValue(value);
        typer().End(true);
    }
    Elements stepsAt(long double steps) {
        return Elements{std::llround(steps * arrangement.plan.ElementsPerStep())};
    }

    CommandTable main;
    CommandState state;
    ContextCommands contexts{arrangement, state, main};
    FakeCommandHost commandHost;
    LockCountingAudio dialogAudio;
    ScriptedDialogs dialogs{commandHost, dialogAudio};
    FakeDesktop desktop;
    RecordingReport report;
    TWideMemIniFile store{QString{}};
    AudioOutput output;
    int32_t rulerX = 0;
    int blinkSwitches = 0;
};

TEST_F(ControlCommandsTest, TheWatchsCopiedTimePastesBackToTheSameTimeAndANumberToItsStep) {
    room().Line().SetPosition(Elements{44100 * 4 * 65 + 44100}, false); // 1:05.250
    run(Dispatcher::Watch, cmd::kCopyShownValue);
    EXPECT_EQ(desktop.clipboard, "01:05:250");
    run(Dispatcher::Watch, cmd::kPasteShownValue);
    desktop.clipboard = " 1:5.25\r\n";
    run(Dispatcher::Watch, cmd::kPasteShownValue);
    desktop.clipboard = "-0:01:000";
    run(Dispatcher::Watch, cmd::kPasteShownValue);
    desktop.clipboard = "12";
    run(Dispatcher::Watch, cmd::kPasteShownValue);
    desktop.clipboard = "twelve";
    run(Dispatcher::Watch, cmd::kPasteShownValue);
    const std::vector<Elements> expected{Elements{44100 * 4 * 65 + 44100},
                                         Elements{44100 * 4 * 65 + 44100}, Elements{-44100 * 4},
                                         stepsAt(12)};
    EXPECT_EQ(transport.gone, expected);
}

TEST_F(ControlCommandsTest, TypedPlacesMoveOrRollTheLineAndTheRowMovesThePoint) {
    runMain(cmd::kGoToTime);
    EXPECT_EQ(typer().Range().timeEntry, true);
    commit(1500); // 0:01.500
    runMain(cmd::kPlayFromTime);
    commit(200);
    runMain(cmd::kGoToStep);
    commit(8);
    runMain(cmd::kPlayFromStep);
    commit(-3);
    EXPECT_EQ(transport.gone,
              (std::vector<Elements>{Elements{std::llround(1500 * kElementsPerMs)}, stepsAt(8)}));
    EXPECT_EQ(transport.rolled,
              (std::vector<Elements>{Elements{std::llround(200 * kElementsPerMs)}, stepsAt(-3)}));

    runMain(cmd::kGoToRow);
    EXPECT_EQ(typer().Value(), arrangement.room.Point.Y);
    commit(5);
    EXPECT_EQ(arrangement.room.Point.Y, 5);
}

TEST_F(ControlCommandsTest, TheTypedTempoRetimesThePlanAndRenderSettingsAreWritten) {
    const long double perStep = arrangement.plan.ElementsPerStep();
    runMain(cmd::kTypeTempo);
    EXPECT_EQ(typer().Value(), 120);
    commit(240);
    EXPECT_EQ(arrangement.plan.MPH.Value(), 240);
    EXPECT_EQ(arrangement.plan.LastChangeCode(), 115);
    EXPECT_NEAR(arrangement.plan.ElementsPerStep(), perStep / 2, 1);

    const SettingKey& tracks = Setting("Perpetuator", "Tracks");
    runMain(cmd::kSetRenderChannels);
    EXPECT_EQ(typer().Value(), 2);
    commit(6);
    EXPECT_EQ(ReadSettingInt(store, tracks), 6);
    runMain(cmd::kSetMp3SampleRate); // 0 stored: the plan's rate, which the entry cannot show
    EXPECT_EQ(typer().Value(), 44100);
    typer().End(false);
    EXPECT_EQ(ReadSettingInt(store, Setting("Perpetuator", "MP3.ElementRate")), 0);
}

TEST_F(ControlCommandsTest, TypeAgainIsForgottenWithThePieceItTypedOrWithThePlan) {
    TBall& ball = *arrangement.balls.Add(2, 3, TPiece::kNoOwnHue, false);
    TyperStart start;
    start.extTarget = &ball.EditPiece().Loudness;
    start.range = {-1, 200, 0, 2};
    ASSERT_TRUE(typer().Start(start));
    typer().End(false);
    typer().PieceGoes(ball.EditPiece());
    EXPECT_FALSE(typer().LastParameters());
    run(Dispatcher::Watch, cmd::kTypeAgain);
    EXPECT_FALSE(typer().Active());

    ASSERT_TRUE(typer().Start(start));
    typer().PieceGoes(ball.EditPiece()); // while typed: ends without writing
    EXPECT_FALSE(typer().Active());
    EXPECT_FALSE(typer().LastParameters());

    runMain(cmd::kSetRenderChannels); // a setting outlives every piece
    typer().End(false);
    typer().PieceGoes(ball.EditPiece());
    run(Dispatcher::Watch, cmd::kTypeAgain);
    EXPECT_TRUE(typer().Active());
    typer().End(false);
    typer().ForgetLastParameters();
    EXPECT_FALSE(typer().LastParameters());
}

TEST_F(ControlCommandsTest, SliderItemsMoveTheSliderOrWhileTypingTheTypedValue) {
    arrangement.plan.LoadedMasterLoudness = 0.456L;
    run(Dispatcher::Slider, cmd::kSliderAsLoaded);
    EXPECT_EQ(slider().Position(), 46);
    EXPECT_NEAR(arrangement.plan.MasterLoudness.Value(), 0.46L, 1e-9);
    run(Dispatcher::Slider, cmd::kCopyShownValue);
    EXPECT_EQ(desktop.clipboard, "46");
    desktop.clipboard = "250";
    run(Dispatcher::Slider, cmd::kPasteShownValue);
    EXPECT_EQ(slider().Position(), 100);

    runMain(cmd::kSetRenderChannels); // 1 .. 65535
    run(Dispatcher::Slider, cmd::kSliderToSilent);
    EXPECT_EQ(typer().Value(), 1);
    desktop.clipboard = "70000";
    run(Dispatcher::Slider, cmd::kPasteShownValue);
    EXPECT_EQ(typer().Value(), 65535);
    run(Dispatcher::Slider, cmd::kSliderToDefault);
    EXPECT_EQ(typer().Value(), 2);
    EXPECT_NEAR(arrangement.plan.MasterLoudness.Value(), 1.0L, 1e-9); // untouched while typing
}

TEST_F(ControlCommandsTest, TheRangeGoesAroundThePointOrToTheBallsAndTheRulerActsWhereClicked) {
    arrangement.room.Point.X = 4;
    arrangement.room.RecomputePointPixels();
    runMain(cmd::kRangeAroundPoint);
    EXPECT_EQ(arrangement.plan.Start, stepsAt(4));
    EXPECT_EQ(arrangement.plan.End, stepsAt(5));
    EXPECT_EQ(arrangement.plan.LastChangeCode(), 366);

    arrangement.balls.Add(7, 1, TPiece::kNoOwnHue, false);
    arrangement.balls.Add(3, 2, TPiece::kNoOwnHue, false);
    runMain(cmd::kFitRangeToBalls); // no ball sounds: the range closes on the first
    EXPECT_EQ(arrangement.plan.Start, stepsAt(3));
    EXPECT_EQ(arrangement.plan.End, stepsAt(3));
    EXPECT_EQ(arrangement.room.EndFlag().Position, stepsAt(3));
    EXPECT_EQ(arrangement.plan.LastChangeCode(), 367);

    rulerX = room().BoundsRect.Left + 6 * TTheRuler::kCellWidth;
    run(Dispatcher::Ruler, cmd::kRangeEndAtPoint);
    EXPECT_EQ(arrangement.plan.End, ruler().GetDestByte(rulerX, false));
    run(Dispatcher::Ruler, cmd::kPlayFromPointExactly);
    ASSERT_EQ(transport.gone.size(), 1u);
    EXPECT_EQ(transport.gone[0], ruler().GetDestByte(rulerX, true));
    runMain(cmd::kPlayFromRangeEnd);
    EXPECT_EQ(transport.rolled, std::vector<Elements>{arrangement.plan.End + Elements{1}});
}

TEST_F(ControlCommandsTest, TheReportGetsItsKeysAndItsInformation) {
    run(Dispatcher::Report, cmd::kReportClearAll);
    EXPECT_EQ(report.keys, (std::vector<std::pair<int, Qt::KeyboardModifiers>>{
                               {Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier}}));
    run(Dispatcher::Report, cmd::kReportHide);
    EXPECT_TRUE(report.visible);
    run(Dispatcher::Report, cmd::kReportInformation);
    ASSERT_EQ(dialogs.information.size(), 1u);
    EXPECT_EQ(dialogs.information[0].second, GetText(326) + ": 3\r\n" + GetText(338) + ": 1");
}

TEST_F(ControlCommandsTest, ANumberTypedRunsItsCommandOnItsObjectOnceTheEntryEnded) {
    std::vector<QString> ran;
    contexts.Of(Dispatcher::Ball).Add(cmd::kAuditionBall, [&] { ran.push_back("ball"); });
    contexts.Of(Dispatcher::Room).Add(cmd::kAuditionBall, [&] { ran.push_back("room"); });
    const CommandRoutes routes{main, contexts, state, {}};
    EXPECT_TRUE(RunRoutedCommand(routes, cmd::kAuditionBall));
    arrangement.balls.Add(arrangement.room.Point.X, arrangement.room.Point.Y, -1, false);
    EXPECT_TRUE(RunRoutedCommand(routes, cmd::kAuditionBall));
    EXPECT_EQ(ran, (std::vector<QString>{"room", "ball"}));
    EXPECT_FALSE(RunRoutedCommand(routes, 1049)); // a lane command without a lane there
    EXPECT_FALSE(RunRoutedCommand(routes, 1163)); // a sub-menu

    // 1024 + 82: the tempo, which types a value of its own.
    ASSERT_TRUE(RunCommandByNumber(typer(), routes));
    commit(82);
    QCoreApplication::processEvents();
    ASSERT_TRUE(typer().Active());
    EXPECT_EQ(typer().CommandId(), 115);
    slider().SetPositionClamped(10, true); // the new entry holds the slider
    EXPECT_EQ(typer().Value(), 10 + 70);
}

} // namespace
