#include "WindowFixture.h"
#include "app/InteriorPeers.h"
#include "app/KeyCommandLink.h"
#include "commands/CommandIds.h"
#include "commands/CommandTable.h"
#include "commands/ViewCommands.h"
#include "controls/RoomKeys.h"
#include "controls/TheMenuTrigger.h"
#include "controls/TheRoom.h"
#include "controls/TheSlider.h"
#include "controls/TheWatch.h"
#include "controls/WatchRelay.h"
#include "controls/WatchTyper.h"
#include "texts/Parlance.h"
#include "texts/TextCounts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>

#include <cmath>

namespace {

// Runs the ids through a table with the real view switches and records what the keys ask.
class RecordingKeyLink : public KeyCommandLink {
public:
    explicit RecordingKeyLink(const CommandTable& table) : m_table(table) {}

    bool RunCommand(int id) override {
        ran.push_back(id);
        return m_table.Run(id);
    }
    void AuditionAtPoint(bool replace, bool release) override {
        asked << QString("audition %1 %2").arg(replace).arg(release);
    }
    void ShowMainPopup(bool atLeft) override { asked << QString("main menu %1").arg(atLeft); }
    void ShowMenuByKey() override { asked << "menu by key"; }
    bool ShowMenuByLetter(QChar letter) override {
        asked << QString("menu ") + letter;
        return menuLetters.contains(letter);
    }
    void ShowBallMenuAtPoint() override { asked << "ball menu"; }
    void ShowLaneMenuAtPoint() override { asked << "lane menu"; }
    void ShowRulerMenuAtLine() override { asked << "ruler menu"; }
    void SaveSettingsNow() override { asked << "save settings"; }
    void OpenSettingsFileInEditor() override { asked << "edit settings"; }
    void CopyToClipboard(const QString& text) override { asked << "clipboard " + text; }
    void ChooseLanguage() override { asked << "languages"; }
    void StepLanguage(int step) override { asked << QString("language %1").arg(step); }
    bool RunRoutedCommand(int id) override {
        asked << QString("routed %1").arg(id);
        return true;
    }
    void RunCommandByNumber() override { asked << "by number"; }
    void SelectNextStyle() override { asked << "next style"; }
    void ChooseSoundFileAtPoint() override { asked << "choose sound file"; }
    void CopySoundFileNameAtPoint() override { asked << "copy sound file name"; }
    void PasteSoundFileAtPoint() override { asked << "paste sound file"; }

    std::vector<int> ran;
    QStringList asked;
    QString menuLetters; // the accelerators the menus have
private:
    const CommandTable& m_table;
};

// A room that takes the keys it is given, as the point or as the room, and notes who was asked.
class KeyTakingRoom : public TCtrl, public RoomKeys {
public:
    using TCtrl::TCtrl;
    bool PointKeyDown(int key, ShiftState shift) override {
        asked << "point";
        return pointTakes == std::pair{key, shift};
    }
    bool RoomKeyDown(int key, ShiftState shift) override {
        asked << "room";
        return roomTakes == std::pair{key, shift};
    }
    std::pair<int, ShiftState> pointTakes, roomTakes;
    QStringList asked;
};

constexpr ShiftState kCtrl{false, false, true};
constexpr ShiftState kShiftCtrl{true, false, true};

// The window at 400 x 300 with both master meters, our room, ruler, watch, slider and menu
// trigger and a bare lane strip; its keys reach the recording link.
class KeyMapWindowTest : public WindowFixture<FakeMixer, InteriorPeers> {
protected:
    KeyMapWindowTest() {
        ControlMakers makers = roomMakers(relay);
        AddWatch(makers, arrangement, menus, relay);
        AddSlider(makers, SliderLinks{arrangement, transport, relay, menus});
        AddMenuTrigger(makers, menus);
        make(makers);
    }
    ~KeyMapWindowTest() override { peers.AttachInterior(nullptr); }
    void make(const ControlMakers& makers) {
        peers.AttachInterior(nullptr);
        window = std::make_unique<TGlorinbaxMF>(setup(makers));
        peers.AttachInterior(&window->Interior());
        commands = std::make_unique<CommandTable>();
        AddViewCommands(*commands, {window->Interior(), arrangement.room.Flags, {}, [this] {
                                        window->close();
                                    }});
        link = std::make_unique<RecordingKeyLink>(*commands);
        window->SetKeyCommands(link.get());
        window->SetCloseQuery([this] {
            ++closeQueries;
            return false;
        });
        showStarted(*window);
    }
    // Whether the window took the key, so that it goes no further.
    bool press(int key, Qt::KeyboardModifiers modifiers = {}, const QString& text = {}) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(window.get(), &event);
        return event.isAccepted();
    }
    void release(int key, Qt::KeyboardModifiers modifiers = {}) {
        QKeyEvent event(QEvent::KeyRelease, key, modifiers);
        QApplication::sendEvent(window.get(), &event);
    }
    TTheInterior& in() { return window->Interior(); }

    WatchRelay relay;
    std::unique_ptr<TGlorinbaxMF> window;
    std::unique_ptr<CommandTable> commands;
    std::unique_ptr<RecordingKeyLink> link;
    int closeQueries = 0;
};

TEST_F(KeyMapWindowTest, CtrlMeansCtrlAloneAndEachModifierSetHasItsOwnRow) {
    press(Qt::Key_S, Qt::ControlModifier);
    press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    press(Qt::Key_S, Qt::ShiftModifier);
    press(Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(link->ran, (std::vector<int>{cmd::kKeepPlan, cmd::kKeepPlanAs,
                                           cmd::kRangeStartAtPoint, cmd::kSwitchSlider}));
    EXPECT_FALSE(in().Slider->Visible);
    // No row has S with all three: nothing runs, and the key goes on unhandled.
    EXPECT_FALSE(press(Qt::Key_S, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier));
    EXPECT_EQ(link->ran.size(), 4u);

    press(Qt::Key_W, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_FALSE(in().Watch->Visible);
    EXPECT_EQ(closeQueries, 0);
    press(Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(closeQueries, 1);
}

TEST_F(KeyMapWindowTest, ThePlanFilesNameGoesToTheClipboardAndAnUntitledPlanHasNone) {
    const Qt::KeyboardModifiers all = Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier;
    arrangement.plan.FileName = "Untitled";
    arrangement.plan.Untitled = true;
    press(Qt::Key_F9, all);
    EXPECT_TRUE(link->asked.isEmpty()) << link->asked.join(", ").toStdString();

    arrangement.plan.FileName = "/plans/My Song.skw";
    arrangement.plan.Untitled = false;
    press(Qt::Key_F9, all);
    EXPECT_EQ(link->asked, QStringList{"clipboard My Song.skw"});
}

TEST_F(KeyMapWindowTest, TheSoundFileKeysActOnTheObjectsAtThePoint) {
    press(Qt::Key_I);
    press(Qt::Key_I, Qt::ControlModifier);
    press(Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    press(Qt::Key_F9, Qt::ShiftModifier);
    press(Qt::Key_F9, Qt::AltModifier);
    EXPECT_EQ(link->asked,
              (QStringList{"choose sound file", "choose sound file", "choose sound file",
                           "copy sound file name", "paste sound file"}));
    EXPECT_TRUE(link->ran.empty());
}

TEST_F(KeyMapWindowTest, TheKeyMapSeesKeysBeforeAnyShortcut) {
    QAction keep;
    keep.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    window->addAction(&keep);
    int triggered = 0;
    QObject::connect(&keep, &QAction::triggered, [&triggered] { ++triggered; });
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(link->ran, std::vector<int>{cmd::kKeepPlan});
    EXPECT_EQ(triggered, 0);
}

TEST_F(KeyMapWindowTest, EscapeEndsTypingWithoutClosingAndOnlyThenCloses) {
    TWatchTyper& typer = TheWatchOf(in())->Typer();
    TyperStart start;
    start.range = {0, 99, 0, 1};
    ASSERT_TRUE(typer.Start(start));
    press(Qt::Key_Escape);
    EXPECT_FALSE(typer.Active());
    EXPECT_EQ(closeQueries, 0);
    press(Qt::Key_Escape);
    EXPECT_EQ(closeQueries, 1);
    // A switch of the watch waits while a value is typed into it.
    ASSERT_TRUE(typer.Start(start));
    press(Qt::Key_W, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_TRUE(in().Watch->Visible);
    EXPECT_TRUE(typer.Active());
}

TEST_F(KeyMapWindowTest, AltSevenSwitchesTheMasterMetersAndAltCombinationsGoNoFurther) {
    ASSERT_TRUE(in().MeterL && in().MeterR);
    const int32_t roomRight = TheRoomOf(in())->BoundsRect.Right;
    EXPECT_TRUE(press(Qt::Key_7, Qt::AltModifier));
    EXPECT_EQ(link->ran, std::vector<int>{cmd::kSwitchPeakMeters});
    EXPECT_FALSE(in().MeterL || in().MeterR);
    EXPECT_GT(TheRoomOf(in())->BoundsRect.Right, roomRight); // the room took their place
    press(Qt::Key_7, Qt::AltModifier);
    EXPECT_TRUE(in().MeterL && in().MeterR);

    const bool laneMeters = in().LaneStripStates.metersVisible;
    press(Qt::Key_7, Qt::AltModifier | Qt::ControlModifier);
    EXPECT_NE(in().LaneStripStates.metersVisible, laneMeters);

    // Alt with a letter no menu has is swallowed all the same; Ctrl with it is not the map's.
    EXPECT_TRUE(press(Qt::Key_K, Qt::AltModifier));
    EXPECT_EQ(link->asked, QStringList{"menu K"});
    EXPECT_FALSE(press(Qt::Key_K, Qt::ControlModifier));
}

TEST_F(KeyMapWindowTest, AltLettersOpenTheirMenusBeforeTheRowsThatShareThem) {
    link->menuLetters = "G";
    press(Qt::Key_L, Qt::AltModifier); // the lanes menu's letter, whatever else Alt+L means
    press(Qt::Key_G, Qt::AltModifier);
    press(Qt::Key_G, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(link->asked, (QStringList{"menu L", "menu G"}));
    EXPECT_TRUE(link->ran.empty());
    link->menuLetters.clear();
    press(Qt::Key_G, Qt::AltModifier); // without such a menu the row has it
    EXPECT_EQ(link->ran, std::vector<int>{cmd::kGoToRow});

    link->asked.clear();
    EXPECT_TRUE(press(Qt::Key_Y, Qt::ShiftModifier | Qt::AltModifier));
    press(Qt::Key_Y);
    EXPECT_EQ(link->asked, (QStringList{"menu Y", "audition 1 1", "audition 0 0"}));
    EXPECT_TRUE(press(Qt::Key_Y, Qt::ControlModifier));
    EXPECT_EQ(link->ran.back(), cmd::kRedo) << "Ctrl+Y makes an edit again, it does not listen";
}

TEST_F(KeyMapWindowTest, F10AndTheMenuKeyOpenTheMenuTheirModifiersName) {
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier,
                                alt = Qt::AltModifier;
    for (const auto& [key, modifiers] :
         std::initializer_list<std::pair<int, Qt::KeyboardModifiers>>{
             {Qt::Key_F10, {}},
             {Qt::Key_F10, shift},
             {Qt::Key_F10, ctrl},
             {Qt::Key_F10, shift | alt},
             {Qt::Key_Menu, {}},
             {Qt::Key_Menu, ctrl},
             {Qt::Key_Menu, alt},
             {Qt::Key_F10, shift | ctrl}, // no row
             {Qt::Key_Space, alt},        // the main menu only in full-screen mode
         })
        press(key, modifiers);
    EXPECT_EQ(link->asked, (QStringList{"menu by key", "ball menu", "lane menu", "ruler menu",
                                        "ball menu", "lane menu", "ruler menu"}));
}

TEST_F(KeyMapWindowTest, DigitsAreTheTopRowsWithOrWithoutShiftAndHHoldsTheMoveCursor) {
    press(Qt::Key_0, Qt::KeypadModifier); // the pad's 0 is a key of its own
    EXPECT_TRUE(link->ran.empty());
    press(Qt::Key_0);
    EXPECT_EQ(link->ran, std::vector<int>{cmd::kPlayFromBeginning});

    TThePoint& point = arrangement.room.Point;
    point.X = 7;
    point.Y = 5;
    // Shift turns the top row's 0 into ")" on a US layout.
    press(Qt::Key_ParenRight, Qt::ShiftModifier | Qt::ControlModifier, ")");
    EXPECT_EQ(arrangement.room.OffsetY, -5);
    EXPECT_EQ(arrangement.room.OffsetX, 0);
    press(Qt::Key_ParenRight, Qt::ShiftModifier | Qt::AltModifier, ")");
    EXPECT_EQ(arrangement.room.OffsetX, -7);

    EXPECT_FALSE(window->MoveAllCursorShown());
    press(Qt::Key_H);
    EXPECT_TRUE(window->MoveAllCursorShown());
    release(Qt::Key_H);
    EXPECT_FALSE(window->MoveAllCursorShown());
}

TEST_F(KeyMapWindowTest, AKeyThePointOrTheRoomTakesNeverReachesTheTable) {
    press(Qt::Key_Insert); // our room places a ball at the point
    EXPECT_EQ(arrangement.balls.Count(), 1);
    EXPECT_TRUE(link->ran.empty());

    ControlMakers makers;
    KeyTakingRoom* room = nullptr;
    makers.room = [&room](TCtrlList& list) -> TCtrl& {
        room = &list.Create<KeyTakingRoom>();
        return *room;
    };
    make(makers);
    room->pointTakes = {Qt::Key_S, kCtrl};
    room->roomTakes = {Qt::Key_S, kShiftCtrl};
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(room->asked, QStringList{"point"});
    press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(room->asked, (QStringList{"point", "point", "room"}));
    EXPECT_TRUE(link->ran.empty());
    press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(link->ran, std::vector<int>{cmd::kNewPlan});
}

TEST_F(KeyMapWindowTest, TheThreeLaneRemovalKeysRemoveTheLaneAtThePointsRow) {
    EXPECT_TRUE(press(Qt::Key_Delete, Qt::AltModifier));
    EXPECT_TRUE(press(Qt::Key_Backspace, Qt::ControlModifier | Qt::AltModifier));
    EXPECT_TRUE(press(Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier));
    EXPECT_EQ(link->asked, (QStringList{"routed 1051", "routed 1051", "routed 1051"}));
    EXPECT_TRUE(link->ran.empty());
}

} // namespace

namespace {

TEST_F(KeyMapWindowTest, ShiftLMovesTheRangeEndNearerToThePointThere) {
    TRoomState& room = arrangement.room;
    const auto steps = [this](int n) {
        return Elements{std::llround(n * arrangement.plan.ElementsPerStep())};
    };
    room.SetFlagPosition(room.StartFlag(), steps(0), false);
    room.SetFlagPosition(room.EndFlag(), steps(12), false);
    arrangement.plan.End = steps(12);
    room.Point.X = 3;
    room.RecomputePointPixels();
    press(Qt::Key_L, Qt::ShiftModifier);
    EXPECT_EQ(arrangement.plan.Start, steps(3));
    room.Point.X = 9;
    room.RecomputePointPixels();
    press(Qt::Key_L, Qt::ShiftModifier);
    EXPECT_EQ(arrangement.plan.End, steps(10)); // the end takes the point's whole cell
    EXPECT_EQ(arrangement.plan.Start, steps(3));
}

TEST_F(KeyMapWindowTest, TheObjectKeysGoThroughTheirRoutesAndTheTranslatorsGetTheTexts) {
    const Qt::KeyboardModifiers all = Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier;
    press(Qt::Key_P, all);
    press(Qt::Key_I, Qt::ControlModifier | Qt::AltModifier);
    press(Qt::Key_O, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(link->asked, (QStringList{"routed 1087", "by number", "menu O", "next style"}));
    link->asked.clear();
    press(Qt::Key_N, all);
    press(Qt::Key_L, all);
    ASSERT_EQ(link->asked.size(), 2);
    EXPECT_EQ(link->asked[0].count("\r\n"), 370);
    EXPECT_TRUE(link->asked[1].startsWith("clipboard " + CommandCaption(1025) + "\r\n"));
    EXPECT_EQ(link->asked[1].count("\r\n"), parlance::kCommandCount);
}

} // namespace
