#include "WindowFakes.h"
#include "app/MainWindow.h"
#include "app/PlanWindowHooks.h"
#include "app/SettingsFile.h"
#include "common/TempDir.h"
#include "controls/RoomFakes.h"
#include "controls/TheRoom.h"
#include "controls/TheSlider.h"
#include "model/Arrangement.h"
#include "support/FaultLog.h"
#include "support/ProgramFolders.h"
#include "support/Stopwatch.h"
#include "support/WideMemIniFile.h"

#include <gtest/gtest.h>

#include <QTest>

namespace {

// The window at 400 x 300 without padding or meters, with our room, ruler and loudness slider
// and a bare lane strip; the plan tells the window about its loudness as in the program.
class SliderWindowTest : public ::testing::Test {
protected:
    SliderWindowTest() {
        faultlog::SetFolder(dir.path());
        settings.SetText("[MasterMeters]\nL.Visible=0\nR.Visible=0\n");
        ControlMakers makers;
        AddRoomAndRuler(makers, RoomLinks{arrangement, mixer, transport, watch, menus, {}});
        AddSlider(makers, SliderLinks{arrangement, transport, watch, menus});
        makers.lanes = [](TCtrlList& list) -> TCtrl& { return list.Create<BareControl>(); };
        window = std::make_unique<TGlorinbaxMF>(MainWindowSetup{
            folders, settings, startup, arrangement, mixer, peers, stopwatch, nullptr, makers});
        hooks.Attach(window.get(), nullptr);
        window->AllowLayout();
        window->SetStarted();
        window->resize(400, 300);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    ~SliderWindowTest() override { hooks.Attach(nullptr, nullptr); }
    TTheSlider& slider() { return *TheSliderOf(window->Interior()); }
    QPoint onTrack(int dx) const {
        const TRect& r = TheSliderOf(window->Interior())->BoundsRect;
        return QPoint(r.Left + dx, r.Top + 26);
    }
    QPoint handleCentre() { return onTrack(19 + slider().Position()); }
    long double master() const { return arrangement.plan.MasterLoudness.Value(); }

    TempDir dir;
    ProgramFolders folders = ProgramFolders::ForExecutable(dir.file("glorinbax"));
    TWideMemIniFile settings{QString()};
    StartupSettings startup;
    FakeAudio audio;
    PlanWindowHooks hooks;
    Arrangement arrangement{audio, hooks};
    FakeMixer mixer;
    FakePeers peers;
    FakeTransport transport;
    FakeWatch watch;
    FakeMenus menus;
    TGenericStopwatch stopwatch;
    std::unique_ptr<TGlorinbaxMF> window;
};

TEST_F(SliderWindowTest, TheSliderShowsAndSetsThePlansMasterLoudness) {
    EXPECT_EQ(slider().BoundsRect, (TRect{120, 262, 260, 300}));
    arrangement.plan.SetMasterLoudness(0.5L, true);
    EXPECT_EQ(slider().Position(), 50);

    QTest::mousePress(window.get(), Qt::LeftButton, {}, handleCentre());
    QTest::mouseMove(window.get(), handleCentre() + QPoint(12, 0));
    EXPECT_EQ(slider().Position(), 62);
    EXPECT_NEAR(static_cast<double>(master()), 0.62, 1e-9);
    QTest::mouseMove(window.get(), onTrack(-100)); // off the window's controls: still dragging
    EXPECT_EQ(slider().Position(), 0);
    EXPECT_EQ(master(), 0);
    QTest::mouseMove(window.get(), onTrack(260));
    EXPECT_EQ(slider().Position(), 100);
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, onTrack(260));
    EXPECT_EQ(master(), 1);
    EXPECT_FALSE(slider().Dragging());
}

TEST_F(SliderWindowTest, TrackClicksStepTheLoudnessByAFifthOfATenthAndEndTheFadeIn) {
    arrangement.plan.SetMasterLoudness(0.5L, true);
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, onTrack(15));
    EXPECT_NEAR(static_cast<double>(master()), 0.45, 1e-9);
    EXPECT_EQ(slider().Position(), 45);
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, onTrack(125));
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, onTrack(125));
    EXPECT_NEAR(static_cast<double>(master()), 0.55, 1e-9);
    EXPECT_EQ(slider().Position(), 55);

    window->Fade().Start(0.1L);
    window->Fade().Tick();
    window->Fade().Tick(); // heard at 0.2 of 0.55
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, onTrack(125));
    EXPECT_FALSE(window->Fade().Running());
    EXPECT_NEAR(static_cast<double>(master()), 0.25, 1e-9);
    EXPECT_EQ(slider().Position(), 25);
}

} // namespace
