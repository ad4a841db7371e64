// Menus built on a real interior and texts, with the program side replaced by fakes that
// record what the menus ask.
#pragma once

#include "commands/CommandState.h"
#include "commands/CommandTable.h"
#include "commands/ContextCommands.h"
#include "commands/Menus.h"
#include "commands/MenusWindowLink.h"
#include "common/TempDir.h"
#include "controls/ControlFakes.h"
#include "controls/Interior.h"
#include "model/Arrangement.h"
#include "support/FaultLog.h"
#include "support/WideMemIniFile.h"
#include "texts/Parlance.h"
#include "texts/PrintQString.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <map>
#include <memory>
#include <vector>

// The menus need an application; one made here lives to the end of the process.
inline void EnsureApplication() {
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "commands_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

// Runs `look` once the menu that `open` opens is showing, then closes that menu. A menu that does
// not open leaves `look` unrun.
template <class Look, class Open> void WhileOpen(Look look, Open open) {
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        look();
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    });
    timer.start(0);
    open();
}

class FakeMenuFacts : public MenuFacts {
public:
    MenuState Now() const override { return state; }
    std::optional<LaneFacts> LaneAt(int32_t position) const override {
        const auto lane = lanes.find(position);
        return lane == lanes.end() ? std::nullopt : std::optional(lane->second);
    }
    MenuState state;
    std::map<int32_t, LaneFacts> lanes; // by position
};

class FakeMenuWindow : public MenuWindowLink {
public:
    QWidget& Window() override { return widget; }
    bool FullScreen() const override { return fullScreen; }
    void LeaveFullScreen() override { ++leftFullScreen; }
    void SelectOutputDevice(int device) override { selected = device; }
    int SelectedOutputDevice() const override { return selected; }
    bool Busy() const override { return false; }
    bool ReportVisible() const override { return false; }
    int ReportRowCount() const override { return 0; }
    int ReportSelectedRowCount() const override { return 0; }
    bool EditorialProgramSet() const override { return false; }
    bool LastRenderKnown() const override { return false; }
    bool RendersRunning() const override { return false; }
    bool RenderTimerRunning() const override { return false; }

    QWidget widget;
    bool fullScreen = false;
    int leftFullScreen = 0;
    int selected = -1;
};

// Made first, so that the application is there before the fixture's widgets.
struct WithApplication {
    WithApplication() { EnsureApplication(); }
};

class MenusFixture : public ::testing::Test, private WithApplication {
protected:
    MenusFixture() {
        faultlog::SetFolder(dir.path());
        FreeParlance();
        TWideMemIniFile texts(QString{});
        texts.SetText("[Main]\nLanguages=English,Français,Deutsch\nLanguageCodes=en,fr,de\n"
                      "SelectedLanguage=0\n");
        LoadParlance(texts, QString(GBX_SOURCE_DIR) + "/data/");
        settings.SetText("[Main]\nInteriorStyles=Default,Cosmic,Veggy\n"
                         "InteriorStyles.en=Plain,Space,Garden\n");
        for (const char* style : {"Default", "Cosmic", "Veggy"})
            QDir().mkpath(dir.path() + "interior/" + style);
        host.layout = {0, 0, 400, 300, 400, 300};
    }
    ~MenusFixture() override {
        menus.Detach();
        FreeParlance();
    }

    // A picture for the given icons in the default style's folder (the 16-pixel set).
    void giveIcons(std::initializer_list<const char*> names) {
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(Qt::red);
        for (const char* name : names)
            image.save(dir.path() + "interior/Default/" + name + ".bmp", "BMP");
    }

    void build() {
        InteriorSettings s;
        s.styleNames = {"Default", "Cosmic", "Veggy"};
        s.menuIconSize = 16;
        s.leftMeter = s.rightMeter = false;
        interior = std::make_unique<TTheInterior>(host, s, dir.path(), QString(), makers);
        interior->LoadStyle();
        menus.Attach(MenusSetup{window, *interior, settings, facts, commands, contexts,
                                [this] { return devices; }});
    }

    // Records the id when its command runs.
    void record(int id) {
        commands.Add(id, [this, id] { ran.push_back(id); });
    }

    // The item of that id in the main pop-up; fails the test when there is none.
    QAction& mainItem(int id) {
        QAction* action = FindItem(*menus.MainPopup(), id);
        EXPECT_NE(action, nullptr) << id;
        return *action;
    }
    QMenu& mainSubMenu(int id) {
        QMenu* menu = FindSubMenu(*menus.MainPopup(), id);
        EXPECT_NE(menu, nullptr) << id;
        return *menu;
    }

    TempDir dir;
    TWideMemIniFile settings{QString{}};
    FakeHost host;
    FakeMenuFacts facts;
    FakeMenuWindow window;
    CommandTable commands;
    Arrangement arrangement;
    CommandState commandState;
    ContextCommands contexts{arrangement, commandState, commands};
    ControlMakers makers;         // no controls unless a test adds some
    std::vector<QString> journal; // what recording controls were told
    OutputDeviceList devices{{{1, "Speakers"}, {3, "Headphones"}}, 4};
    std::unique_ptr<TTheInterior> interior;
    ProgramMenus menus;
    std::vector<int> ran;
};
