#include "WindowFixture.h"
#include "app/InteriorPeers.h"
#include "controls/TheMenuTrigger.h"
#include "controls/TheRoom.h"
#include "controls/TheSlider.h"

#include <QApplication>
#include <QWheelEvent>

namespace {

// The window at 400 x 300 with a padding of 4 and both master meters (4 wide: the left strip is
// x < 8, the right one x >= 392), with our room, ruler, loudness
// slider and menu trigger and a bare lane strip; the plan tells the window about its loudness, and
// the window asks the slider and the trigger, as in the program.
class SliderMeterTriggerWindowTest : public WindowFixture<FakeMixer, InteriorPeers> {
protected:
    static constexpr int kPadding = 4;
    static constexpr QPoint kInThePadding{398, 298};

    SliderMeterTriggerWindowTest() {
        startup.interiorPadding = kPadding;
        ControlMakers makers = roomMakers(watch);
        AddSlider(makers, SliderLinks{arrangement, transport, watch, menus});
        AddMenuTrigger(makers, menus);
        window = std::make_unique<TGlorinbaxMF>(setup(makers, nullptr, &menus));
        hooks.Attach(window.get(), nullptr);
        peers.AttachInterior(&window->Interior());
        TheMenuTriggerOf(window->Interior())->Now = [this] { return menus.now; };
        showStarted(*window);
    }
    ~SliderMeterTriggerWindowTest() override {
        hooks.Attach(nullptr, nullptr);
        peers.AttachInterior(nullptr);
    }
    TTheSlider& slider() { return *TheSliderOf(window->Interior()); }
    QPoint onTrack(int dx) const {
        const TRect& r = TheSliderOf(window->Interior())->BoundsRect;
        return QPoint(r.Left + dx, r.Top + 26);
    }
    QPoint handleCentre() { return onTrack(19 + slider().Position()); }
    TTheMenuTrigger& trigger() { return *TheMenuTriggerOf(window->Interior()); }
    void turnWheel(QPoint at, int angleDelta) {
        QWheelEvent event(at, window->mapToGlobal(at), {}, {0, angleDelta}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(window.get(), &event);
    }
    long double master() const { return arrangement.plan.MasterLoudness.Value(); }

    FakeWatch watch;
    std::unique_ptr<TGlorinbaxMF> window;
};

TEST_F(SliderMeterTriggerWindowTest, TheSliderShowsAndSetsThePlansMasterLoudness) {
    EXPECT_EQ(slider().BoundsRect, (TRect{128, 258, 268, 296}));
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

TEST_F(SliderMeterTriggerWindowTest, TrackClicksStepTheLoudnessByAFifthOfATenthAndEndTheFadeIn) {
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

TEST_F(SliderMeterTriggerWindowTest, CtrlHeldDuringADragMovesOnePositionPerThreePixels) {
    arrangement.plan.SetMasterLoudness(0.3L, true);
    const QPoint start = handleCentre();
    QTest::mousePress(window.get(), Qt::LeftButton, {}, start);
    QTest::mouseMove(window.get(), start + QPoint(4, 0));
    EXPECT_EQ(slider().Position(), 34);
    QTest::keyPress(window.get(), Qt::Key_Control);
    QTest::mouseMove(window.get(), start + QPoint(10, 0), -1);
    EXPECT_EQ(slider().Position(), 36); // 6 pixels on from where Ctrl went down
    QTest::keyRelease(window.get(), Qt::Key_Control);
    QTest::mouseMove(window.get(), start + QPoint(11, 0));
    EXPECT_EQ(slider().Position(), 37);
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, start + QPoint(11, 0));
    EXPECT_NEAR(static_cast<double>(master()), 0.37, 1e-9);
}

TEST_F(SliderMeterTriggerWindowTest, TheWheelStepsTheLoudnessOverTheSliderAndOverEmptySpaceOnly) {
    arrangement.plan.SetMasterLoudness(0.5L, true);
    turnWheel(onTrack(60), 120);
    EXPECT_NEAR(static_cast<double>(master()), 0.55, 1e-9);
    EXPECT_EQ(slider().Position(), 55);
    turnWheel(kInThePadding, -240);
    EXPECT_NEAR(static_cast<double>(master()), 0.45, 1e-9);
    turnWheel(QPoint(200, 100), 120); // over the room: its own business
    EXPECT_NEAR(static_cast<double>(master()), 0.45, 1e-9);

    window->Fade().Start(0.1L);
    window->Fade().Tick();
    EXPECT_EQ(slider().Position(), 10); // the slider follows the fade
    turnWheel(kInThePadding, 120);
    EXPECT_FALSE(window->Fade().Running());
    EXPECT_NEAR(static_cast<double>(master()), 0.15, 1e-9);
}

TEST_F(SliderMeterTriggerWindowTest, TheMenuTriggerOpensTheMainMenuButNotAgainWithin100ms) {
    EXPECT_EQ(trigger().BoundsRect, (TRect{372, 4, 392, 24}));
    menus.now += std::chrono::hours(1);
    bool highlightedWhileOpen = false;
    menus.whileOpen = [&] {
        highlightedWhileOpen = trigger().Highlighted;
        window->StepAsideForDialog(); // a command from the menu opens a dialog
        EXPECT_FALSE(trigger().Highlighted);
    };
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(382, 14));
    EXPECT_TRUE(highlightedWhileOpen);
    menus.whileOpen = nullptr;
    menus.now += std::chrono::milliseconds(40);
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(382, 14));
    EXPECT_EQ(menus.mainMenuTriggers.size(), 1u);
    menus.now += std::chrono::milliseconds(70);
    QTest::mouseClick(window.get(), Qt::RightButton, {}, QPoint(382, 14));
    EXPECT_EQ(menus.mainMenuTriggers, (std::vector<QRect>(2, QRect(372, 4, 20, 20))));
}

TEST_F(SliderMeterTriggerWindowTest, TheMinimumHeightHoldsTheRulerOverTheSlider) {
    EXPECT_EQ(window->minimumSize().height(), 20 + TSlider::kHeight - 1 + 2 * kPadding);
    slider().SetVisible(false);
    window->Relayout();
    EXPECT_EQ(window->minimumSize().height(), 20 + 2 * kPadding);
}

TEST_F(SliderMeterTriggerWindowTest, ARightClickOnAMeterStripOpensThePeakMeterMenu) {
    QTest::mouseClick(window.get(), Qt::RightButton, {}, QPoint(395, 150));
    QTest::mouseClick(window.get(), Qt::RightButton, {}, QPoint(1, 299)); // the padding counts
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(395, 150));
    QTest::mouseClick(window.get(), Qt::RightButton, {}, QPoint(391, 150)); // the room's edge
    QTest::mouseClick(window.get(), Qt::RightButton, {}, QPoint(8, 150));   // the lane strip's
    EXPECT_EQ(menus.meterMenus, (std::vector<QPoint>{{395, 150}, {1, 299}}));
}

} // namespace
