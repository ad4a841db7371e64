#include "WindowFakes.h"
#include "app/MainWindow.h"
#include "app/SettingsFile.h"
#include "common/TempDir.h"
#include "controls/RoomFakes.h"
#include "controls/TheRoom.h"
#include "model/Arrangement.h"
#include "support/FaultLog.h"
#include "support/ProgramFolders.h"
#include "support/Stopwatch.h"
#include "support/WideMemIniFile.h"

#include <gtest/gtest.h>

#include <QTest>

namespace {

// The window at 400 x 300 with a padding of 4, both master meters (4 wide) and our room and
// ruler: the left strip is x < 8, the right one x >= 392.
class MeterStripWindowTest : public ::testing::Test {
protected:
    MeterStripWindowTest() {
        faultlog::SetFolder(dir.path());
        startup.interiorPadding = 4;
        ControlMakers makers;
        AddRoomAndRuler(makers, RoomLinks{arrangement, mixer, transport, watch, menus, {}});
        makers.lanes = [](TCtrlList& list) -> TCtrl& { return list.Create<BareControl>(); };
        window = std::make_unique<TGlorinbaxMF>(
            MainWindowSetup{folders, settings, startup, arrangement, mixer, peers, stopwatch,
                            nullptr, makers, &menus});
        window->AllowLayout();
        window->SetStarted();
        window->resize(400, 300);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    TempDir dir;
    ProgramFolders folders = ProgramFolders::ForExecutable(dir.file("glorinbax"));
    TWideMemIniFile settings{QString()};
    StartupSettings startup;
    FakeAudio audio;
    Arrangement arrangement{audio};
    FakeMixer mixer;
    FakePeers peers;
    FakeTransport transport;
    FakeWatch watch;
    FakeMenus menus;
    TGenericStopwatch stopwatch;
    std::unique_ptr<TGlorinbaxMF> window;
};

TEST_F(MeterStripWindowTest, ARightClickOnAMeterStripOpensThePeakMeterMenu) {
    QTest::mouseClick(window.get(), Qt::RightButton, {}, QPoint(395, 150));
    QTest::mouseClick(window.get(), Qt::RightButton, {}, QPoint(1, 299)); // the padding counts
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(395, 150));
    QTest::mouseClick(window.get(), Qt::RightButton, {}, QPoint(391, 150)); // the room's edge
    QTest::mouseClick(window.get(), Qt::RightButton, {}, QPoint(8, 150));   // the lane strip's
    EXPECT_EQ(menus.meterMenus, (std::vector<QPoint>{{395, 150}, {1, 299}}));
}

} // namespace
