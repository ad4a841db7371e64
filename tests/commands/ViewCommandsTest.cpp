#include "commands/ViewCommands.h"
#include "commands/CommandIds.h"
#include "commands/CommandTable.h"
#include "controls/RoomFixture.h"
#include "controls/TheWatch.h"
#include "controls/WatchRelay.h"
#include "controls/WatchTyper.h"

namespace {

// Our room, ruler and watch with bare carrier, slider and menu trigger, over the recording
// window stand-in, with the view commands in a table.
class ViewCommandsTest : public RoomFixture {
protected:
    ViewCommandsTest() {
        AddWatch(makers, arrangement, menus, relay);
        const ControlMaker bare = [](TCtrlList& list) -> TCtrl& {
            return list.Create<BareControl>();
        };
        makers.carrier = makers.slider = makers.menuTrigger = bare;
        make();
        AddViewCommands(table, {*interior, arrangement.room.Flags, {}, [this] { ++closes; }});
    }
    // The watch leaves the relay as the interior goes.
    ~ViewCommandsTest() override { interior.reset(); }

    bool run(int id) { return table.Run(id); }

    WatchRelay relay;
    CommandTable table;
    int closes = 0;
};

TEST_F(ViewCommandsTest, EachSwitchAndItsHideItemToggleOneControlAndLayTheWindowOut) {
    const struct {
        int id, hide;
        TCtrl* TTheInterior::*role;
    } switches[] = {
        {cmd::kSwitchLaneStrip, cmd::kHideLaneStrip, &TTheInterior::Lanes},
        {cmd::kSwitchWatch, cmd::kHideWatch, &TTheInterior::Watch},
        {cmd::kSwitchCarrier, cmd::kHideCarrier, &TTheInterior::Carrier},
        {cmd::kSwitchSlider, cmd::kHideSlider, &TTheInterior::Slider},
        {cmd::kSwitchMenuTrigger, cmd::kRulerSwitchMenuTrigger, &TTheInterior::MenuTrigger},
        {cmd::kSwitchRuler, cmd::kHideRuler, &TTheInterior::Ruler},
    };
    TTheInterior& in = *interior;
    const std::vector<TCtrl*> all{in.Lanes,  in.Watch,       in.Carrier,
                                  in.Slider, in.MenuTrigger, in.Ruler};
    for (const auto& s : switches) {
        SCOPED_TRACE(s.id);
        const int relayouts = host.relayouts;
        ASSERT_TRUE(run(s.id));
        for (TCtrl* control : all)
            EXPECT_EQ(control->Visible, control != in.*s.role);
        EXPECT_EQ(host.relayouts, relayouts + 1);
        ASSERT_TRUE(run(s.hide));
        EXPECT_TRUE((in.*s.role)->Visible);
    }
}

TEST_F(ViewCommandsTest, TheRulerTakesTheRoomsRowsAlongAndTheWatchStaysWhileTyped) {
    const int32_t offsetY = arrangement.room.OffsetY;
    run(cmd::kSwitchRuler);
    EXPECT_EQ(arrangement.room.OffsetY, offsetY + 1); // the rows stay where they were on screen
    run(cmd::kSwitchRuler);
    EXPECT_EQ(arrangement.room.OffsetY, offsetY);

    TTheWatch& watch = *TheWatchOf(*interior);
    TyperStart start;
    start.range = {0, 99, 0, 1};
    ASSERT_TRUE(watch.Typer().Start(start));
    run(cmd::kSwitchWatch);
    EXPECT_TRUE(watch.Visible);
    watch.Typer().End(false);
    run(cmd::kSwitchWatch);
    EXPECT_FALSE(watch.Visible);
}

TEST_F(ViewCommandsTest, ThePeakMetersComeAndGoAsAPair) {
    ASSERT_FALSE(interior->MeterL);
    run(cmd::kSwitchPeakMeters);
    EXPECT_TRUE(interior->MeterL && interior->MeterR);
    // The room makes way for them when the window lays out.
    const int32_t roomWidth = room().BoundsRect.Right - room().BoundsRect.Left;
    interior->ResizeAll();
    EXPECT_LT(room().BoundsRect.Right - room().BoundsRect.Left, roomWidth);
    // A single meter the settings left goes with the next switch, and both come back.
    interior->MeterL.reset();
    run(cmd::kHidePeakMeters);
    EXPECT_FALSE(interior->MeterL || interior->MeterR);
    run(cmd::kSwitchPeakMeters);
    EXPECT_TRUE(interior->MeterL && interior->MeterR);
}

TEST_F(ViewCommandsTest, FlagsHandlesAndLaneMetersSwitchTheirStateAndExitClosesTheWindow) {
    const TTheFlags& flags = arrangement.room.Flags;
    ASSERT_TRUE(flags.FlagsShown);
    run(cmd::kSwitchFlags);
    EXPECT_FALSE(flags.FlagsShown);
    run(cmd::kRulerSwitchFlags);
    EXPECT_TRUE(flags.FlagsShown);
    const bool handles = flags.HandlesShown;
    run(cmd::kSwitchFlagHandles);
    EXPECT_NE(flags.HandlesShown, handles);
    const bool meters = interior->LaneStripStates.metersVisible;
    run(cmd::kSwitchLaneMeters); // no mingler yet: the state alone
    EXPECT_NE(interior->LaneStripStates.metersVisible, meters);
    EXPECT_EQ(closes, 0);
    run(cmd::kExitProgram);
    EXPECT_EQ(closes, 1);
}

} // namespace
