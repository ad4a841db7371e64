#include "InteriorFixture.h"
#include "controls/DrawingSurfaces.h"
#include "controls/TheSlider.h"

#include <cmath>

namespace {

// Window 400 x 300 without padding or meters; a lane strip 120 wide on the left, so the slider
// spans x 120..260 and y 262..300 unless a carrier or a watch is shown.
class SliderTest : public InteriorFixture {
protected:
    static constexpr int kLeft = 120;
    static constexpr int kTop = 262;
    static constexpr int kTrackY = kTop + 26;

    SliderTest() {
        makers.lanes = fixed("lanes", {0, 20, 120, 300});
        makers.room = fixed("room", {120, 20, 400, 262});
        AddSlider(makers, SliderLinks{arrangement, transport, watch, menus});
    }
    // The controls hold the watch link and note their end in the journal.
    ~SliderTest() override { interior.reset(); }
    ControlMaker fixed(const QString& name, TRect bounds) {
        return [this, name, bounds](TCtrlList& list) -> TCtrl& {
            return list.Create<RecordingControl>(name, journal, bounds);
        };
    }
    void make() {
        makeInterior(withoutMeters());
        slider().OnWheel = [this](long double step) {
            steps.push_back(step);
            arrangement.plan.SetMasterLoudness(arrangement.plan.MasterLoudness.Value() + step,
                                               true);
            slider().SyncToPlan();
        };
        slider().Paint();
    }
    TTheSlider& slider() { return *TheSliderOf(*interior); }
    int handleCentre() { return kLeft + 19 + slider().Position(); }
    void press(int x, ShiftState shift = {}, MouseButton button = MouseButton::Left) {
        slider().MouseDown(button, x, kTrackY, shift);
    }
    QRgb colour(uint32_t styleColour) const { return ToQColor(styleColour).rgb(); }
    long double master() const { return arrangement.plan.MasterLoudness.Value(); }

    FakeWatch watch;
    std::vector<QString> journal;
    std::vector<long double> steps;
};

TEST_F(SliderTest, ItSitsRightOfTheLowestVisibleNeighbourAtTheLayoutsBottom) {
    makers.carrier = fixed("carrier", {120, 262, 270, 300});
    makers.watch = fixed("watch", {120, 250, 250, 300});
    make();
    EXPECT_EQ(slider().BoundsRect, (TRect{270, 262, 410, 300}));
    interior->Carrier->SetVisible(false);
    interior->ResizeAll();
    EXPECT_EQ(slider().BoundsRect.Left, 250);
    interior->Watch->SetVisible(false);
    interior->ResizeAll();
    EXPECT_EQ(slider().BoundsRect.Left, 120);
    interior->Lanes->SetVisible(false);
    interior->ResizeAll();
    EXPECT_EQ(slider().BoundsRect.Left, 120); // the room's left
    EXPECT_EQ(slider().Height, TSlider::kHeight);
}

TEST_F(SliderTest, DraggingTheHandleFollowsTheMouseAndStopsAtEitherEnd) {
    make();
    slider().SetPosition(50, false);
    press(handleCentre());
    ASSERT_TRUE(slider().Dragging());
    EXPECT_EQ(watch.digitRepaints, 0);
    slider().MouseMove(handleCentre() + 7, kTrackY);
    EXPECT_EQ(slider().Position(), 57);
    EXPECT_NEAR(static_cast<double>(master()), 0.57, 1e-9);
    EXPECT_EQ(watch.digitRepaints, 1); // nothing rolls: the watch draws itself now
    slider().MouseMove(-500, kTrackY);
    EXPECT_EQ(slider().Position(), 0);
    EXPECT_EQ(master(), 0);
    slider().MouseMove(900, kTrackY);
    EXPECT_EQ(slider().Position(), 100);
    EXPECT_EQ(master(), 1);
    slider().MouseUp(900, kTrackY);
    EXPECT_FALSE(slider().Dragging());
    EXPECT_EQ(interior->TheCtrls.CapturedCtrl, nullptr);
    slider().MouseMove(100, kTrackY); // released: the handle stays
    EXPECT_EQ(slider().Position(), 100);
    EXPECT_TRUE(steps.empty()); // a press on the handle is no track click
}

TEST_F(SliderTest, WithCtrlTheHandleMovesOnePositionPerThreePixelsAndReanchorsWithoutAJump) {
    make();
    slider().SetPosition(40, false);
    const int x = handleCentre();
    press(x, {false, false, true});
    slider().MouseMove(x + 2, kTrackY);
    EXPECT_EQ(slider().Position(), 40);
    slider().MouseMove(x + 9, kTrackY);
    EXPECT_EQ(slider().Position(), 43);
    slider().MouseMove(x + 10, kTrackY);
    EXPECT_EQ(slider().Position(), 43);
    slider().SetFineAdjustment(false); // Ctrl released at x + 10
    EXPECT_EQ(slider().Position(), 43);
    slider().MouseMove(x + 11, kTrackY);
    EXPECT_EQ(slider().Position(), 44);
    slider().SetFineAdjustment(true); // and held again at x + 11
    slider().MouseMove(x + 13, kTrackY);
    EXPECT_EQ(slider().Position(), 44);
    slider().MouseMove(x + 14, kTrackY);
    EXPECT_EQ(slider().Position(), 45);
    slider().MouseMove(x + 5, kTrackY);
    EXPECT_EQ(slider().Position(), 42);
}

TEST_F(SliderTest, ATrackClickLeftOfTheHandleLowersTheLoudnessAndRightOfItRaisesIt) {
    make();
    arrangement.plan.SetMasterLoudness(0.5L, true);
    slider().SyncToPlan();
    EXPECT_EQ(slider().Position(), 50);
    press(kLeft + 20); // left of the handle (it starts at 120 + 59)
    EXPECT_NEAR(static_cast<double>(master()), 0.45, 1e-9);
    EXPECT_EQ(slider().Position(), 45);
    EXPECT_FALSE(slider().Dragging());
    slider().MouseUp(kLeft + 20, kTrackY);
    press(kLeft + 125);
    EXPECT_NEAR(static_cast<double>(master()), 0.5, 1e-9);
    slider().MouseUp(kLeft + 125, kTrackY);
    slider().MouseDown(MouseButton::Left, kLeft + 125, kTop + 35, {}); // below the track
    slider().MouseDown(MouseButton::Right, kLeft + 125, kTrackY, {});
    EXPECT_EQ(steps, (std::vector<long double>{-0.05L, 0.05L}));
}

TEST_F(SliderTest, TheHandleIsDrawnAtItsPositionAndOnlyTheTrackIsCopiedOnAChange) {
    make();
    const SliderStyle& style = interior->Style().Slider;
    EXPECT_EQ(pixel(kLeft + 19, kTop + 25), colour(style.MidLine));
    EXPECT_EQ(pixel(kLeft + 19 + 10, kTop + 11), colour(style.LargeTick));
    EXPECT_EQ(pixel(kLeft + 19 + 40, kTop + 11), qRgb(255, 255, 255)); // a shorter middle tick
    EXPECT_EQ(pixel(kLeft + 19 + 40, kTop + 13), colour(style.LargeTick));
    EXPECT_EQ(pixel(kLeft + 23, kTop + 16), colour(style.SmallTick));
    host.copied.clear();
    slider().SetPosition(70, false);
    EXPECT_EQ(pixel(kLeft + 19, kTop + 25), colour(style.HoleGlowBig));
    EXPECT_EQ(pixel(kLeft + 89, kTop + 25), colour(style.MidLine));
    EXPECT_EQ(host.copied, (std::vector<QRect>{QRect(kLeft + 8, kTop + 19, 123, 14)}));
    slider().SetPosition(70, false); // no change: nothing drawn
    EXPECT_EQ(host.copied.size(), 1u);

    slider().Dimmed = true;
    interior->Surfaces.DimAlpha = kDimmedAlpha;
    slider().Paint();
    EXPECT_EQ(pixel(kLeft + 89, kTop + 25), colour(DimmedColour(style.MidLine, kDimmedAlpha)));
    EXPECT_EQ(pixel(kLeft + 19 + 10, kTop + 11), colour(style.LargeTick)); // the scale is not
}

TEST_F(SliderTest, ItShowsTheMasterLoudnessOrThePeekedLanesValue) {
    make();
    arrangement.plan.MasterLoudness.SetText("0.8");
    slider().SyncToPlan();
    EXPECT_EQ(slider().Position(), 80);
    slider().SetPeekedLane(TTheSlider::PeekedLane{30, true});
    EXPECT_EQ(slider().Position(), 30);
    arrangement.plan.SetMasterLoudness(0.2L, true);
    slider().SyncToPlan(); // the lane keeps the slider
    EXPECT_EQ(slider().Position(), 30);
    slider().SetPeekedLane(std::nullopt);
    EXPECT_EQ(slider().Position(), 20);
    arrangement.plan.MasterLoudness.SetText("7");
    slider().SyncToPlan();
    EXPECT_EQ(slider().Position(), 100);
}

TEST_F(SliderTest, HoveringShowsTheValueInTheWatchAPanWithItsSignUntilTheMouseLeaves) {
    make();
    slider().SetPosition(63, false);
    slider().MouseMove(kLeft + 5, kTrackY);
    EXPECT_TRUE(watch.showsNumber);
    EXPECT_EQ(watch.number, 63);
    slider().SetPeekedLane(TTheSlider::PeekedLane{20, true});
    slider().MouseMove(kLeft + 6, kTrackY);
    EXPECT_EQ(watch.number, -60);
    slider().MouseLeave();
    EXPECT_FALSE(watch.showsNumber);

    watch.typing = true; // a typed value keeps the watch
    slider().MouseMove(kLeft + 5, kTrackY);
    EXPECT_FALSE(watch.showsNumber);
    watch.typing = false;
    slider().PeekWhileHovering = false;
    slider().MouseMove(kLeft + 5, kTrackY);
    EXPECT_FALSE(watch.showsNumber);
    press(handleCentre()); // without hover peeking, a drag shows it
    EXPECT_EQ(watch.number, -60);
    transport.rolling = true;
    slider().MouseMove(handleCentre() + 10, kTrackY);
    EXPECT_EQ(watch.number, -40);
    EXPECT_EQ(watch.digitRepaints, 0); // rolling: the line tick draws the watch
    slider().MouseUp(handleCentre(), kTrackY);
    EXPECT_FALSE(watch.showsNumber);
}

TEST_F(SliderTest, WhileAValueIsTypedADragLeavesTheWatchsPainterAlone) {
    make();
    struct TypedDigits : DigitPainter {
        void PaintDigits(QPainter&) override {}
    } typer;
    watch.painter = &typer;
    watch.typing = true;
    slider().PeekWhileHovering = false;
    press(handleCentre());
    slider().MouseMove(handleCentre() + 5, kTrackY);
    slider().MouseUp(handleCentre(), kTrackY);
    EXPECT_FALSE(watch.showsNumber);
    EXPECT_EQ(watch.painter, &typer);
    EXPECT_EQ(watch.digitRepaints, 1); // the typed digits follow the slider on the screen
}

TEST_F(SliderTest, ARightClickOpensItsMenuAndAnAltClickRestoresTheDefaultLoudness) {
    make();
    press(kLeft + 20, {}, MouseButton::Right);
    slider().MouseUp(kLeft + 21, kTrackY);
    EXPECT_EQ(menus.sliderMenus, (std::vector<QPoint>{QPoint(kLeft + 21, kTrackY)}));
    press(kLeft + 20, {false, true, false});
    EXPECT_EQ(slider().Position(), TTheSlider::kDefaultPosition);
    EXPECT_NEAR(static_cast<double>(master()), 0.8, 1e-9);
    EXPECT_TRUE(steps.empty());
    EXPECT_EQ(interior->TheCtrls.CapturedCtrl, nullptr);
}

} // namespace
