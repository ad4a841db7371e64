// A real main window over stand-ins for the audio side, made from its set-up as start-up makes
// it; the window tests build on it.
#pragma once

#include "WindowFakes.h"
#include "app/MainWindow.h"
#include "app/PlanWindowHooks.h"
#include "app/SettingsFile.h"
#include "commands/BallPlacing.h"
#include "common/TempDir.h"
#include "controls/RoomFakes.h"
#include "controls/RoomLinks.h"
#include "model/Arrangement.h"
#include "support/FaultLog.h"
#include "support/ProgramFolders.h"
#include "support/Stopwatch.h"
#include "support/WideMemIniFile.h"

#include <gtest/gtest.h>

#include <QTest>

// Settings that hide both master meters.
inline const QString kWithoutMasterMeters = "[MasterMeters]\nL.Visible=0\nR.Visible=0\n";

// The parts a window is made from, with the mixer and the peers a test needs.
template <class Mixer = FakeMixer, class Peers = FakePeers>
class WindowFixture : public ::testing::Test {
protected:
    WindowFixture() { faultlog::SetFolder(folders.dataFolder); }

    MainWindowSetup setup(ControlMakers makers = {}, TaskbarProgress* taskbar = nullptr,
                          MenuLink* meterMenus = nullptr) {
        return MainWindowSetup{folders, settings,  startup, arrangement,       mixer,
                               peers,   stopwatch, taskbar, std::move(makers), meterMenus};
    }
    // Our room and ruler, reaching the watch through `watch`, and a bare lane strip.
    ControlMakers roomMakers(WatchLink& watch) {
        ControlMakers makers;
        AddRoomAndRuler(makers, RoomLinks{arrangement, mixer, transport, watch, menus, {}, balls});
        makers.lanes = [](TCtrlList& list) -> TCtrl& { return list.Create<BareControl>(); };
        return makers;
    }
    // Lays the window out at 400 x 300, as start-up leaves it, and shows it.
    static void showStarted(TGlorinbaxMF& window) {
        window.AllowLayout();
        window.SetStarted();
        window.resize(400, 300);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    TempDir dir;
    ProgramFolders folders = ProgramFolders::ForExecutable(dir.file("glorinbax"));
    TWideMemIniFile settings{QString()};
    StartupSettings startup;
    FakeAudio audio;
    PlanWindowHooks hooks; // attached by the tests whose window hears the plan
    Arrangement arrangement{audio, hooks};
    BallPlacing balls{arrangement, settings};
    Mixer mixer;
    Peers peers;
    FakeTransport transport;
    FakeMenus menus;
    TGenericStopwatch stopwatch;
};
