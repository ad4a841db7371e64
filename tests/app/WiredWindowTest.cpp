// The keys, the menu trigger, the main menu and dropped files on the whole, wired program.
#include "MessageBoxAnswers.h"
#include "NextDialog.h"
#include "PlanCommandsWindow.h"
#include "commands/CommandIds.h"
#include "commands/Instructor.h"
#include "commands/Menus.h"
#include "commands/MenusItems.h"
#include "controls/Interior.h"
#include "controls/TheMenuTrigger.h"
#include "texts/Parlance.h"

#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

#include <utility>
#include <vector>

namespace {

const QByteArray kKeptSong = "[0]\r\nX=4\r\nY=0\r\n";

class WiredWindowTest : public PlanCommandsWindow {
protected:
    TGlorinbaxMF& window() { return *session->Window(); }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = {}) {
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, QPointF(at), window().mapToGlobal(QPointF(at)), button,
                              type == QEvent::MouseButtonPress ? button : Qt::NoButton, modifiers);
            QApplication::sendEvent(&window(), &event);
        }
    }
    // The pop-up menu that `open` opened (closed again at once), or none.
    template <class Open> static QWidget* menuOpenedBy(Open open) {
        QWidget* shown = nullptr;
        QTimer::singleShot(0, [&shown] {
            shown = QApplication::activePopupWidget();
            if (shown)
                shown->close();
        });
        open();
        return shown;
    }
    QWidget* menuOpenedBy(QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
        return menuOpenedBy([&] { click(at, button, modifiers); });
    }
    // A plan kept once as song.skw, then changed, with its title saying so.
    QString changedKeptSong() {
        const QString song = dir.file("song.skw");
        WriteFile(song, kKeptSong);
        EXPECT_TRUE(session->Instructor()->LoadPlanFile(false, song));
        changePlan();
        window().RefreshTitle();
        EXPECT_TRUE(window().windowTitle().startsWith("* "));
        return song;
    }
    QStringList filesBeside() const { return QDir(dir.path()).entryList({"*.skw"}, QDir::Files); }
};

TEST_F(WiredWindowTest, CtrlSKeepsAChangedPlanInPlaceWithoutAnyDialog) {
    const QString song = changedKeptSong();
    NextDialog<QDialog> any([](QDialog& dialog) { dialog.reject(); });
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(any.Seen(), 0);
    const QByteArray kept = ReadAll(song);
    EXPECT_NE(kept, kKeptSong);
    EXPECT_TRUE(kept.contains("X=2")) << kept.toStdString();
    EXPECT_FALSE(plan().Modified());
    EXPECT_FALSE(window().windowTitle().startsWith("* ")) << window().windowTitle().toStdString();
    EXPECT_TRUE(window().windowTitle().contains("song.skw"));
}

TEST_F(WiredWindowTest, CtrlShiftSAsksForANewNameAndCancelWritesNothing) {
    const QString song = changedKeptSong();
    const QStringList before = filesBeside();
    QString proposed;
    NextDialog<QFileDialog> cancel([&](QFileDialog& dialog) {
        proposed = dialog.selectedFiles().value(0);
        dialog.reject();
    });
    press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(cancel.Seen(), 1);
    EXPECT_EQ(QFileInfo(proposed).fileName(), "song.skw");
    EXPECT_EQ(ReadAll(song), kKeptSong);
    EXPECT_EQ(filesBeside(), before);
    EXPECT_TRUE(plan().Modified());
    EXPECT_EQ(plan().FileName, song);
}

TEST_F(WiredWindowTest, AltSevenSwitchesTheMasterMetersOffAndOn) {
    TTheInterior& interior = window().Interior();
    ASSERT_TRUE(interior.MeterL && interior.MeterR);
    press(Qt::Key_7, Qt::AltModifier);
    EXPECT_FALSE(interior.MeterL || interior.MeterR);
    press(Qt::Key_7, Qt::AltModifier);
    EXPECT_TRUE(interior.MeterL && interior.MeterR);
}

TEST_F(WiredWindowTest, APlanDroppedOnTheWindowOpens) {
    const QString song = dir.file("Dropped Song.SKW");
    WriteFile(song, kKeptSong);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(song)});
    const QPoint at(200, 100);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window(), &drop);
    // The drop returns to the dragging program first; the plan opens after it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return plan().FileName == song; }));
    EXPECT_EQ(session->Model().balls.Count(), 1);
    EXPECT_TRUE(window().windowTitle().startsWith("Dropped Song.SKW"))
        << window().windowTitle().toStdString();
}

TEST_F(WiredWindowTest, TheMenuTriggerOpensTheMainMenu) {
    const TTheMenuTrigger* trigger = TheMenuTriggerOf(window().Interior());
    ASSERT_NE(trigger, nullptr);
    QStringList captions;
    bool pressedWhileOpen = false;
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            if (menu->isVisible())
                for (const QAction* action : menu->actions())
                    captions << action->text().remove('&');
            pressedWhileOpen = trigger->Highlighted;
            menu->close();
        }
    });
    click(trigger->BoundsRect.ToQRect().center());
    ASSERT_FALSE(captions.isEmpty());
    EXPECT_EQ(captions[0], QString(CommandCaption(cmd::kNewPlan)).remove('&'));
    EXPECT_TRUE(captions[0].startsWith("New")) << captions.join('|').toStdString();
    EXPECT_TRUE(pressedWhileOpen);
    EXPECT_FALSE(trigger->Highlighted);
    EXPECT_NE(session->Menus().MainMenuClosedAt(), std::nullopt);
}

TEST_F(WiredWindowTest, ARightClickOnEachControlOpensItsOwnMenu) {
    const TTheInterior& in = window().Interior();
    const TCtrl* strip = in.Lanes;
    ASSERT_TRUE(strip && in.Ruler && in.Watch && in.Carrier && in.Slider && in.MeterL);
    const int32_t top = strip->BoundsRect.Top;
    session->Model().lanes.Add(1 - session->Model().room.OffsetY, TPiece::kNoOwnHue, true);
    const auto centre = [](const TCtrl* control) { return control->BoundsRect.ToQRect().center(); };
    const std::vector<std::pair<QPoint, ContextMenu>> clicks{
        {QPoint(strip->BoundsRect.Left + 60, top + 30), ContextMenu::Lane},
        {QPoint(strip->BoundsRect.Left + 60, top + 90), ContextMenu::LaneStrip},
        {centre(in.Ruler), ContextMenu::Ruler},
        {centre(in.Watch), ContextMenu::Watch},
        {centre(in.Carrier), ContextMenu::Carrier},
        {centre(in.Slider), ContextMenu::Slider},
        {QPoint(strip->BoundsRect.Left - 2, top + 30), ContextMenu::PeakMeters},
    };
    for (const auto& [at, menu] : clicks)
        EXPECT_EQ(menuOpenedBy(at, Qt::RightButton, {}), session->Menus().Context(menu))
            << static_cast<int>(menu);
    EXPECT_EQ(session->Model().lanes.Count(), 1);
}

TEST_F(WiredWindowTest, ARightClickWithCtrlOnABallOpensTheBallMenu) {
    const TCtrl* room = window().Interior().Room;
    ASSERT_NE(room, nullptr);
    const QPoint cell(room->BoundsRect.Left + 2 * 20 + 10, room->BoundsRect.Top + 3 * 20 + 10);
    click(cell); // a ball there
    ASSERT_EQ(session->Model().balls.Count(), 1);
    EXPECT_EQ(menuOpenedBy(cell, Qt::RightButton, Qt::ControlModifier),
              session->Menus().Context(ContextMenu::Ball));
    EXPECT_EQ(session->Model().balls.Count(), 1);
}

TEST_F(WiredWindowTest, NewFromTheMainMenuEmptiesTheChangedPlanAfterTheSaveQuestion) {
    changedKeptSong();
    QMenu* main = session->Menus().MainPopup();
    ASSERT_NE(main, nullptr);
    QAction* newPlan = FindItem(*main, cmd::kNewPlan);
    ASSERT_NE(newPlan, nullptr);
    BoxAnswers answers({QMessageBox::No});
    newPlan->trigger();
    ASSERT_EQ(answers.seen.size(), 1u);
    EXPECT_EQ(session->Model().balls.Count(), 0);
    EXPECT_TRUE(plan().Untitled);
    EXPECT_FALSE(plan().Modified());
    EXPECT_EQ(ReadAll(dir.file("song.skw")), kKeptSong);
}

TEST_F(WiredWindowTest, F10AndTheMenuKeyOpenTheMenusTheirModifiersName) {
    const ProgramMenus& menus = session->Menus();
    const auto byKey = [&](int key, Qt::KeyboardModifiers modifiers) {
        return menuOpenedBy([&] { press(key, modifiers); });
    };
    EXPECT_EQ(byKey(Qt::Key_F10, {}), menus.MainPopup());
    // Nothing at the point yet: the room's and the lane strip's own menus.
    EXPECT_EQ(byKey(Qt::Key_F10, Qt::ShiftModifier), menus.Context(ContextMenu::Room));
    EXPECT_EQ(byKey(Qt::Key_F10, Qt::ControlModifier), menus.Context(ContextMenu::LaneStrip));
    EXPECT_EQ(byKey(Qt::Key_Menu, Qt::AltModifier), menus.Context(ContextMenu::Ruler));
    session->Model().lanes.Add(session->Model().room.Point.Y, TPiece::kNoOwnHue, true);
    press(Qt::Key_Insert, {}); // a ball at the point
    ASSERT_EQ(session->Model().balls.Count(), 1);
    EXPECT_EQ(byKey(Qt::Key_Menu, {}), menus.Context(ContextMenu::Ball));
    EXPECT_EQ(byKey(Qt::Key_Menu, Qt::ControlModifier), menus.Context(ContextMenu::Lane));
}

TEST_F(WiredWindowTest, AnAltLetterChoosesTheMainMenusItemOfThatAccelerator) {
    changedKeptSong();
    const int balls = session->Model().balls.Count();
    ASSERT_EQ(CommandCaption(cmd::kNewPlan), "Ne&w Plan");
    BoxAnswers answers({QMessageBox::Cancel});
    press(Qt::Key_W, Qt::AltModifier);
    ASSERT_EQ(answers.seen.size(), 1u) << "New asks about the changed plan first";
    EXPECT_EQ(session->Model().balls.Count(), balls);
    EXPECT_TRUE(plan().Modified());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

} // namespace
