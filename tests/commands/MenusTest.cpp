#include "MenusFixture.h"

#include "commands/MenusContents.h"
#include "commands/MenusRefresh.h"

#include <QMenu>
#include <QTimer>

namespace {

QStringList captions(const QMenu& menu) {
    QStringList list;
    for (const QAction* action : menu.actions())
        list << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return list;
}

std::vector<int> ids(const QMenu& menu) {
    std::vector<int> list;
    for (const QAction* action : menu.actions())
        list.push_back(ItemId(*action));
    return list;
}

using MainMenus = MenusFixture;

TEST_F(MainMenus, PlanFileItemsWaitForAPlanThatWasKeptOnce) {
    build();
    const int fileItems[] = {1027, 1043, 1038, 1039, 1223};
    facts.state.planKeptOnce = false;
    menus.RefreshMainPopup();
    menus.RefreshWindowPopup();
    for (int id : fileItems) {
        EXPECT_FALSE(mainItem(id).isEnabled()) << id;
        EXPECT_FALSE(FindItem(*menus.WindowPopup(), id)->isEnabled()) << id;
    }
    // Items outside the rule stay as they are.
    EXPECT_TRUE(mainItem(1034).isEnabled());

    facts.state.planKeptOnce = true;
    menus.RefreshMainPopup();
    for (int id : fileItems)
        EXPECT_TRUE(mainItem(id).isEnabled()) << id;
}

TEST_F(MainMenus, KeepCaptionFollowsUnkeptChangesEachTimeTheMenuOpens) {
    build();
    ASSERT_NE(CommandCaption(1037), CommandCaption(1109));
    facts.state.planChanged = true;
    menus.RefreshMainPopup();
    EXPECT_EQ(mainItem(1037).text(), CommandCaption(1037));
    facts.state.planChanged = false;
    menus.RefreshMainPopup();
    EXPECT_EQ(mainItem(1037).text(), CommandCaption(1109));
    facts.state.planChanged = true;
    menus.RefreshMainPopup();
    EXPECT_EQ(mainItem(1037).text(), CommandCaption(1037));
}

TEST_F(MainMenus, StatesOfResourcesBallsLanesAndRendersFollowTheFacts) {
    build();
    facts.state.resourcesLoaded = true;
    facts.state.roomHasBalls = false;
    facts.state.laneCount = 2;
    facts.state.anyLaneHueGenerated = false;
    facts.state.lastRenderKnown = true;
    facts.state.editorialProgramSet = false;
    facts.state.clipboardText = "plan.skw";
    menus.RefreshMainPopup();
    for (int id : {1035, 1092, 1206, 1036, 1225, 1044, 1163, 1194, 1193, 1199})
        EXPECT_TRUE(mainItem(id).isEnabled()) << id;
    // 1228 needs a generated hue; 1200 needs the editor; 1192 too.
    for (int id : {1232, 1222, 1104, 1248, 1228, 1200, 1192})
        EXPECT_FALSE(mainItem(id).isEnabled()) << id;
    facts.state.anyLaneHueGenerated = true;
    facts.state.editorialProgramSet = true;
    menus.RefreshMainPopup();
    for (int id : {1228, 1200, 1192})
        EXPECT_TRUE(mainItem(id).isEnabled()) << id;
}

TEST_F(MainMenus, RenderItemsComeWhileRendersRunAndNameThePauseState) {
    build();
    QMenu& plan = mainSubMenu(cmd::kPlanMenu);
    const int before = static_cast<int>(plan.actions().size());
    ASSERT_EQ(before, 17);
    facts.state.rendersRunning = true;
    facts.state.renderTimerRunning = true;
    menus.RefreshMainPopup();
    menus.RefreshMainPopup(); // a second opening adds nothing more
    ASSERT_EQ(plan.actions().size(), 20);
    EXPECT_TRUE(plan.actions()[17]->isSeparator());
    EXPECT_EQ(ItemId(*plan.actions()[18]), 1201);
    EXPECT_EQ(plan.actions()[19]->text(), CommandCaption(1202));
    facts.state.renderTimerRunning = false;
    menus.RefreshMainPopup();
    EXPECT_EQ(plan.actions()[19]->text(), CommandCaption(1203));
    facts.state.rendersRunning = false;
    menus.RefreshMainPopup();
    EXPECT_EQ(plan.actions().size(), before);
    EXPECT_EQ(ItemId(*plan.actions().back()), 1034);
}

TEST_F(MainMenus, ViewTicksShowTheStylesTickPicturesAndAMissingPictureIsNoIcon) {
    giveIcons({"Unticked", "Keep"});
    build();
    facts.state.rulerVisible = true;
    facts.state.watchVisible = false;
    menus.RefreshMainPopup();
    QAction& ruler = mainItem(1149);
    QAction& watch = mainItem(1151);
    EXPECT_TRUE(ruler.isChecked());
    EXPECT_TRUE(ruler.icon().isNull()); // no Ticked picture in this style: the check mark
    EXPECT_FALSE(watch.isChecked());
    EXPECT_FALSE(watch.icon().isNull());
    EXPECT_FALSE(mainItem(1037).icon().isNull());
    EXPECT_TRUE(mainItem(1102).icon().isNull()); // no New picture
    facts.state.rulerVisible = false;
    menus.RefreshMainPopup();
    EXPECT_FALSE(ruler.isChecked());
    EXPECT_FALSE(ruler.icon().isNull());
    facts.state.rulerVisible = true;
    menus.RefreshMainPopup();
    EXPECT_TRUE(ruler.icon().isNull()); // the Unticked picture does not stay
}

TEST_F(MainMenus, OpeningEndsTheHoverReadOutsUnlessTheWindowIsBusy) {
    for (auto [maker, name] :
         {std::pair{&ControlMakers::ruler, "ruler"}, std::pair{&ControlMakers::room, "room"},
          std::pair{&ControlMakers::slider, "slider"}})
        makers.*maker = [this, name](TCtrlList& list) -> TCtrl& {
            return list.Create<RecordingControl>(name, journal);
        };
    build();
    journal.clear();
    facts.state.busy = true;
    facts.state.planKeptOnce = false;
    menus.RefreshMainPopup();
    EXPECT_TRUE(journal.empty());
    EXPECT_TRUE(mainItem(1027).isEnabled()); // as built: nothing was refreshed
    facts.state.busy = false;
    menus.RefreshMainPopup();
    EXPECT_EQ(journal, (std::vector<QString>{"ruler:leave", "slider:leave"}));
    EXPECT_FALSE(mainItem(1027).isEnabled());
}

TEST_F(MainMenus, WindowPopupStartsWithTheWindowCommandsAndGraysMoveSizeAndMaximize) {
    build();
    const QMenu& popup = *menus.WindowPopup();
    const std::vector<int> all = ids(popup);
    const std::vector<int> head(all.begin(), all.begin() + 8);
    EXPECT_EQ(head, (std::vector<int>{61728, 61456, 61440, 61472, 61488, 0, 61536, 0}));
    EXPECT_EQ(popup.actions()[0]->text(), CommandCaption(1110));
    EXPECT_EQ(popup.actions()[6]->text(), CommandCaption(1115));
    for (int id : {61456, 61440, 61488})
        EXPECT_FALSE(FindItem(popup, id)->isEnabled());
    EXPECT_TRUE(FindItem(popup, 61472)->isEnabled());
    // The main pop-up has no window commands, and ends with Exit.
    EXPECT_EQ(FindItem(*menus.MainPopup(), 61728), nullptr);
    EXPECT_EQ(ItemId(*menus.MainPopup()->actions().back()), 1245);
}

TEST_F(MainMenus, RestoreLeavesFullScreenAndOtherWindowCommandsGoToTheWindow) {
    build();
    window.widget.show();
    window.fullScreen = true;
    FindItem(*menus.WindowPopup(), 61728)->trigger();
    EXPECT_EQ(window.leftFullScreen, 1);
    window.fullScreen = false;
    FindItem(*menus.WindowPopup(), 61472)->trigger();
    EXPECT_EQ(window.leftFullScreen, 1);
    EXPECT_TRUE(window.widget.isMinimized());
    // Move reaches the platform untouched.
    EXPECT_FALSE(menus.Dispatch(61456, ActivePopup::None));
}

TEST_F(MainMenus, StyleIdsSelectAStyleOnlyThroughTheStyleMenu) {
    build();
    QMenu& styles = mainSubMenu(cmd::kStyleMenu);
    EXPECT_EQ(captions(styles), (QStringList{"Plain", "Space", "Garden"}));
    EXPECT_EQ(ids(styles), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(styles.actions()[0]->isChecked());

    // The same id reached any other way does nothing.
    EXPECT_TRUE(menus.Dispatch(3, ActivePopup::None));
    EXPECT_TRUE(menus.Dispatch(3, ActivePopup::LanguageMenu));
    EXPECT_EQ(interior->SelectedInteriorStyle(), 0);

    styles.actions()[2]->trigger();
    EXPECT_EQ(interior->SelectedInteriorStyle(), 2);
    EXPECT_EQ(menus.Active(), ActivePopup::StyleMenu);
    EXPECT_TRUE(interior->StyleFolder().endsWith("interior/Veggy/"));
    // Rebuilt on the new style, with its item ticked.
    QMenu& rebuilt = mainSubMenu(cmd::kStyleMenu);
    EXPECT_TRUE(rebuilt.actions()[2]->isChecked());
    EXPECT_FALSE(rebuilt.actions()[0]->isChecked());
}

TEST_F(MainMenus, TheNextStyleWrapsRoundToTheFirst) {
    build();
    menus.SelectNextStyle();
    EXPECT_EQ(interior->SelectedInteriorStyle(), 1);
    menus.SelectNextStyle();
    menus.SelectNextStyle();
    EXPECT_EQ(interior->SelectedInteriorStyle(), 0);
}

TEST_F(MainMenus, LanguagesAndDevicesAreNumberedFromTheLanguageCount) {
    window.selected = 3;
    build();
    EXPECT_EQ(menus.Lists().languageBase, 227);
    const QMenu& languages = mainSubMenu(cmd::kLanguageMenu);
    EXPECT_EQ(ids(languages), (std::vector<int>{225, 226, 227}));
    EXPECT_EQ(captions(languages), (QStringList{"English", "Français", "Deutsch"}));

    const QMenu& devices = mainSubMenu(cmd::kOutputDeviceMenu);
    EXPECT_EQ(ids(devices), (std::vector<int>{1175, 0, 1176, 228, 230}));
    EXPECT_EQ(devices.actions()[3]->text(), "Speakers");
    EXPECT_TRUE(devices.actions()[4]->isChecked());
    EXPECT_FALSE(devices.actions()[0]->isChecked());

    devices.actions()[3]->trigger();
    EXPECT_EQ(window.selected, 1);
    EXPECT_TRUE(devices.actions()[3]->isChecked());
    EXPECT_FALSE(devices.actions()[4]->isChecked());
    // A device id reached outside the device menu is no device.
    window.selected = -1;
    EXPECT_FALSE(menus.Dispatch(228, ActivePopup::None));
    EXPECT_EQ(window.selected, -1);
}

TEST_F(MainMenus, DefaultDeviceAndNoSoundAreCommandsOfTheirOwn) {
    menus.AddCommands(commands);
    window.selected = 1;
    build();
    const QMenu& devices = mainSubMenu(cmd::kOutputDeviceMenu);
    devices.actions()[2]->trigger();
    EXPECT_EQ(window.selected, 0);
    EXPECT_TRUE(devices.actions()[2]->isChecked());
    devices.actions()[0]->trigger();
    EXPECT_EQ(window.selected, -1);
    EXPECT_TRUE(devices.actions()[0]->isChecked());
    EXPECT_FALSE(devices.actions()[2]->isChecked());
}

TEST_F(MainMenus, LaneCommandsNeedTheLaneAtThePointAndComeThroughTheLaneMenu) {
    record(1049);
    record(1182);
    build();
    facts.state.lane.reset();
    facts.state.ball.reset();
    menus.RefreshMainPopup();
    EXPECT_FALSE(mainItem(cmd::kLaneMenu).isEnabled());
    mainItem(1049).trigger();
    EXPECT_TRUE(ran.empty());

    facts.state.lane = LaneFacts{};
    menus.RefreshMainPopup();
    EXPECT_TRUE(mainItem(cmd::kLaneMenu).isEnabled());
    mainItem(1049).trigger();
    EXPECT_EQ(ran, std::vector<int>{1049});
    EXPECT_EQ(menus.Active(), ActivePopup::LanesMenu);

    // A ball command without a ball does nothing, with one it runs.
    QAction& remove = *FindItem(mainSubMenu(cmd::kBallMenu), 1182);
    remove.trigger();
    EXPECT_EQ(ran, std::vector<int>{1049});
    facts.state.ball = BallFacts{};
    menus.RefreshMainPopup();
    remove.trigger();
    EXPECT_EQ(ran, (std::vector<int>{1049, 1182}));
}

TEST_F(MainMenus, CommandsRunThroughTheTableAndUnknownIdsAreLeftAlone) {
    record(1102);
    record(1078);
    build();
    mainItem(1102).trigger();
    EXPECT_EQ(ran, std::vector<int>{1102});
    EXPECT_FALSE(menus.Dispatch(1103, ActivePopup::None));
    // A context menu's choice goes to the table too.
    FindItem(*menus.Context(ContextMenu::Ruler), 1078)->trigger();
    EXPECT_EQ(ran, (std::vector<int>{1102, 1078}));
}

TEST_F(MainMenus, RebuildingTakesTheCaptionsInForce) {
    build();
    QMenu* before = menus.MainPopup();
    const QString newPlan = mainItem(1102).text();
    FreeParlance();
    FillWithNumbers();
    menus.Rebuild();
    ASSERT_NE(menus.MainPopup(), nullptr);
    EXPECT_NE(menus.MainPopup(), before);
    EXPECT_EQ(mainItem(1102).text(), "Instruction 78");
    EXPECT_NE(newPlan, "Instruction 78");
}

TEST_F(MainMenus, TheMainPopupOpensRefreshedBelowTheTriggerAndNotesWhenItClosed) {
    build();
    window.widget.setGeometry(100, 100, 400, 300);
    window.widget.show();
    EXPECT_FALSE(menus.MainMenuClosedAt().has_value());
    facts.state.planChanged = false;
    QPoint shownAt;
    QString keepCaption;
    const ProgramMenus::Clock::time_point closing{std::chrono::seconds(7)};
    menus.Now = [&] { return closing; };
    WhileOpen(
        [&] {
            shownAt = QApplication::activePopupWidget()->pos();
            keepCaption = mainItem(1037).text();
        },
        [&] { menus.OpenMainMenu(QRect(370, 4, 20, 20)); });
    EXPECT_EQ(menus.MainMenuClosedAt(), closing);
    EXPECT_EQ(keepCaption, CommandCaption(1109));
    const int width = menus.MainPopup()->sizeHint().width();
    EXPECT_EQ(shownAt, window.widget.mapToGlobal(QPoint(390 - width, 24)));
}

TEST_F(MainMenus, TheRulersIconOpensTheWindowPopupButNotRightAfterItClosed) {
    build();
    window.widget.show();
    int opened = 0;
    const auto openFromIcon = [&] {
        WhileOpen([&] { opened += QApplication::activePopupWidget() == menus.WindowPopup(); },
                  [&] { menus.OpenMainMenuFromIcon(); });
    };
    ProgramMenus::Clock::time_point now{};
    menus.Now = [&] { return now; };
    openFromIcon();
    EXPECT_EQ(opened, 1);
    // The press that closed it comes back as a press on the icon: it opens nothing.
    now += std::chrono::milliseconds(100);
    openFromIcon();
    EXPECT_EQ(opened, 1);
    now += std::chrono::milliseconds(1);
    openFromIcon();
    EXPECT_EQ(opened, 2);
    EXPECT_FALSE(menus.MainMenuClosedAt().has_value()); // the main pop-up never opened
}

TEST_F(MainMenus, ALetterRunsTheItemOfThatAcceleratorOrOpensNothing) {
    record(1102);
    build();
    window.widget.show();
    EXPECT_FALSE(menus.ShowMenuByLetter(QChar('Q')));
    // Should the letter not reach the menu, the menu still closes and the check below fails.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    });
    guard.start(2000);
    // Without a menu trigger the window pop-up stands in; "Ne&w Plan" is its W.
    EXPECT_TRUE(menus.ShowMenuByLetter(QChar('w')));
    EXPECT_EQ(ran, std::vector<int>{1102});
}

using ContextMenus = MenusFixture;

TEST_F(ContextMenus, LaneMenuStatesFollowTheLaneAndTheClipboard) {
    build();
    const QMenu& lane = *menus.Context(ContextMenu::Lane);
    facts.state.lane = LaneFacts{{true, false}, false, true};
    facts.state.clipboardText = "[Lane]";
    menus.RefreshContext(ContextMenu::Lane);
    for (int id : {1096, 1060, 1061, 1063, 1074, 1070, 1230, 1065, 1068, 1072})
        EXPECT_TRUE(FindItem(lane, id)->isEnabled()) << id;
    for (int id : {1100, 1055, 1057, 1064, 1062, 1090})
        EXPECT_FALSE(FindItem(lane, id)->isEnabled()) << id;
    // No editor chosen: editing asks for one first.
    EXPECT_EQ(FindItem(lane, 1065)->text(), CommandCaption(1065) + "…");

    // The lane strip's paste items take the same plan text.
    menus.RefreshContext(ContextMenu::LaneStrip);
    for (int id : {1243, 1244, 1242})
        EXPECT_TRUE(FindItem(*menus.Context(ContextMenu::LaneStrip), id)->isEnabled()) << id;

    facts.state.clipboardText = " 12.5 ";
    menus.RefreshContext(ContextMenu::Lane);
    EXPECT_TRUE(FindItem(lane, 1062)->isEnabled());
    EXPECT_FALSE(FindItem(lane, 1060)->isEnabled());
    menus.RefreshContext(ContextMenu::LaneStrip);
    EXPECT_FALSE(FindItem(*menus.Context(ContextMenu::LaneStrip), 1243)->isEnabled());
}

TEST_F(ContextMenus, BallLengthTickFollowsTheLengthText) {
    build();
    const QMenu& ball = *menus.Context(ContextMenu::Ball);
    const QMenu& lengths = *FindSubMenu(ball, cmd::kLengthMenu);
    facts.state.elementsPerStep = 5512.5L;
    facts.state.ball = BallFacts{{}, true, "4 * 5512.5", 22050};
    menus.RefreshContext(ContextMenu::Ball);
    EXPECT_TRUE(lengths.actions()[2]->isChecked());
    EXPECT_FALSE(lengths.actions()[0]->isChecked());
    EXPECT_TRUE(FindItem(ball, 1213)->isEnabled());
    facts.state.ball->lengthText = "-1";
    menus.RefreshContext(ContextMenu::Ball);
    EXPECT_TRUE(lengths.actions()[5]->isChecked());
    EXPECT_FALSE(lengths.actions()[2]->isChecked());

    // The room's own menu ticks the whole sound.
    menus.RefreshContext(ContextMenu::Room);
    const QMenu& room = *FindSubMenu(*menus.Context(ContextMenu::Room), cmd::kLengthMenu);
    EXPECT_TRUE(room.actions()[5]->isChecked());
}

TEST_F(ContextMenus, AControlsMenuOpensRefreshedWhereItWasAskedFor) {
    record(1142);
    build();
    window.widget.setGeometry(50, 60, 400, 300);
    window.widget.show();
    facts.state.clipboardText = "42";
    QPoint shownAt;
    QString pasteCaption;
    WhileOpen(
        [&] {
            shownAt = QApplication::activePopupWidget()->pos();
            QAction* paste = FindItem(*menus.Context(ContextMenu::Slider), 1142);
            pasteCaption = paste->text();
            paste->trigger();
        },
        [&] { menus.OpenSliderMenu(QPoint(120, 200)); });
    EXPECT_EQ(shownAt, window.widget.mapToGlobal(QPoint(120, 200)));
    EXPECT_EQ(menus.PopupPosition(), shownAt);
    EXPECT_EQ(pasteCaption, CommandCaption(1142) + " 42");
    EXPECT_EQ(ran, std::vector<int>{1142});
}

TEST_F(ContextMenus, MenusAskedForByClicksOpenForWhatWasClicked) {
    build();
    window.widget.show();
    // The point's row has a silent lane; the clicked one has a sound.
    facts.state.lane = LaneFacts{{false, false}, false, false};
    facts.lanes[3] = LaneFacts{{true, false}, true, false};
    QMenu* shown = nullptr;
    bool rollEnabled = false;
    const auto look = [&] {
        shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        rollEnabled = FindItem(*menus.Context(ContextMenu::Lane), 1096)->isEnabled();
    };
    WhileOpen(look, [&] { menus.OpenLaneMenu(QPoint(60, 90), 3); });
    EXPECT_EQ(shown, menus.Context(ContextMenu::Lane));
    EXPECT_TRUE(rollEnabled);

    WhileOpen(look, [&] { menus.OpenLaneMenu(QPoint(60, 90), 5); });
    EXPECT_EQ(shown, menus.Context(ContextMenu::LaneStrip));
    WhileOpen(look, [&] { menus.OpenWatchMenu(QPoint(60, 280)); });
    EXPECT_EQ(shown, menus.Context(ContextMenu::Watch));
    WhileOpen(look, [&] { menus.OpenLaneStripMenu(QPoint(60, 90)); });
    EXPECT_EQ(shown, menus.Context(ContextMenu::LaneStrip));

    // The room's menu where no ball is at the point.
    WhileOpen(look, [&] { menus.OpenBallMenu(QPoint(200, 90)); });
    EXPECT_EQ(shown, menus.Context(ContextMenu::Room));
    facts.state.ball = BallFacts{};
    WhileOpen(look, [&] { menus.OpenBallMenu(QPoint(200, 90)); });
    EXPECT_EQ(shown, menus.Context(ContextMenu::Ball));
}

TEST(BallLength, PositionsByStepsWholeSoundStepMultiplesAndFrames) {
    const long double step = 5512.5L;
    const auto at = [&](const char* text, long double value) {
        return BallLengthPosition(BallFacts{{}, false, text, value}, step);
    };
    EXPECT_EQ(at("1 * 5512.5", 5512.5L), 0);
    EXPECT_EQ(at("5512.5 * 2", 11025), 1); // the step first, as length commands write it
    EXPECT_EQ(at("8*5512.5", 44100), 3);
    EXPECT_EQ(at("3 * 5512.5", 16537.5L), 8); // not a whole multiple of the rounded step
    EXPECT_EQ(at("-1", -1), 5);
    // Whole multiples of the step rounded to 5513.
    EXPECT_EQ(at("16539", 16539), 7);
    EXPECT_EQ(at("11026", 11026), 7);
    EXPECT_EQ(at("11027", 11027), 8);
}

TEST_F(ContextMenus, ControlMenusTickAndRenameFromTheFacts) {
    build();
    facts.state.flagsVisible = false;
    facts.state.menuTriggerVisible = true;
    menus.RefreshContext(ContextMenu::Ruler);
    const QMenu& ruler = *menus.Context(ContextMenu::Ruler);
    EXPECT_TRUE(FindItem(ruler, 1161)->isChecked());
    EXPECT_FALSE(FindItem(ruler, 1246)->isChecked());

    facts.state.clipboardText = "80";
    menus.RefreshContext(ContextMenu::Slider);
    const QAction& paste = *FindItem(*menus.Context(ContextMenu::Slider), 1142);
    EXPECT_EQ(paste.text(), CommandCaption(1142) + " 80");
    EXPECT_TRUE(paste.isEnabled());
    facts.state.clipboardText = "loud";
    menus.RefreshContext(ContextMenu::Slider);
    EXPECT_EQ(paste.text(), CommandCaption(1142));
    EXPECT_FALSE(paste.isEnabled());

    facts.state.clipboardText = "1:02.500";
    menus.RefreshContext(ContextMenu::Watch);
    EXPECT_TRUE(FindItem(*menus.Context(ContextMenu::Watch), 1142)->isEnabled());
}

} // namespace
