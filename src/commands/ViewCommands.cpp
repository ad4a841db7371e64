// The view switches and the exit.
#include "commands/ViewCommands.h"

#include "audio/Mingler.h"
#include "commands/CommandIds.h"
#include "commands/CommandTable.h"
#include "controls/ControlHost.h"
#include "controls/Interior.h"
#include "controls/TheLaneStrip.h"
#include "controls/TheRoom.h"
#include "controls/TheRuler.h"
#include "controls/TheWatch.h"
#include "model/Flags.h"

#include <memory>

namespace {

// Shows or hides a control the program has, then lays the window out again.
void switchControl(TTheInterior& in, TCtrl* TTheInterior::*role) {
    TCtrl* control = in.*role;
    if (!control)
        return;
    control->SetVisible(!control->Visible);
    in.TheCtrls.Host.Relayout();
}

void switchRuler(TTheInterior& in) {
    // Ours moves the room's rows along with it.
    if (auto* ruler = dynamic_cast<TTheRuler*>(in.Ruler))
        ruler->SwitchVisible();
    else
        switchControl(in, &TTheInterior::Ruler);
}

void switchWatch(TTheInterior& in) {
    // A value being typed keeps its watch.
    if (const TTheWatch* watch = TheWatchOf(in); watch && watch->Typing())
        return;
    switchControl(in, &TTheInterior::Watch);
}

void switchFlags(TTheInterior& in, TTheFlags& flags) {
    if (TTheRoom* room = TheRoomOf(in)) {
        room->ToggleFlagsShown();
        return;
    }
    flags.FlagsShown = !flags.FlagsShown;
    in.TheCtrls.Host.RelayoutAndRepaint(false);
}

void switchFlagHandles(TTheInterior& in, TTheFlags& flags) {
    flags.HandlesShown = !flags.HandlesShown;
    in.TheCtrls.Host.RelayoutAndRepaint(false);
}

// Both meters, or none: a single one left by the settings goes with the first switch.
void switchPeakMeters(TTheInterior& in) {
    if (in.MeterL || in.MeterR) {
        in.MeterL.reset();
        in.MeterR.reset();
    } else {
        in.MeterL = std::make_unique<TThePeakMeter>(TThePeakMeter::Side::Left);
        in.MeterR = std::make_unique<TThePeakMeter>(TThePeakMeter::Side::Right);
    }
    // The line tick runs on this thread, so it cannot read a meter while it goes.
    in.TheCtrls.Host.Relayout();
}

void switchLaneMeters(TTheInterior& in, const ViewCommandParts& parts) {
    bool& shown = in.LaneStripStates.metersVisible;
    shown = !shown;
    if (TTheMingler* mingler = parts.mingler ? parts.mingler() : nullptr)
        mingler->SetLaneMeters(shown);
    if (TTheLaneStrip* strip = TheLaneStripOf(in); strip && strip->Visible)
        strip->RepaintWhole();
}

void switchMenuTrigger(TTheInterior& in) {
    if (!in.MenuTrigger)
        return;
    in.MenuTrigger->Visible = !in.MenuTrigger->Visible;
    in.TheCtrls.Host.Relayout();
}

} // namespace

void AddViewCommands(CommandTable& table, const ViewCommandParts& parts) {
    TTheInterior& in = parts.interior;
    TTheFlags& flags = parts.flags;
    const auto both = [&table](std::initializer_list<int> ids, const CommandTable::Work& work) {
        for (int id : ids)
            table.Add(id, work);
    };
    both({cmd::kSwitchRuler, cmd::kHideRuler}, [&in] { switchRuler(in); });
    both({cmd::kSwitchLaneStrip, cmd::kHideLaneStrip},
         [&in] { switchControl(in, &TTheInterior::Lanes); });
    both({cmd::kSwitchWatch, cmd::kHideWatch}, [&in] { switchWatch(in); });
    both({cmd::kSwitchCarrier, cmd::kHideCarrier},
         [&in] { switchControl(in, &TTheInterior::Carrier); });
    both({cmd::kSwitchSlider, cmd::kHideSlider},
         [&in] { switchControl(in, &TTheInterior::Slider); });
    both({cmd::kSwitchFlags, cmd::kRulerSwitchFlags}, [&in, &flags] { switchFlags(in, flags); });
    table.Add(cmd::kSwitchFlagHandles, [&in, &flags] { switchFlagHandles(in, flags); });
    both({cmd::kSwitchPeakMeters, cmd::kHidePeakMeters}, [&in] { switchPeakMeters(in); });
    table.Add(cmd::kSwitchLaneMeters, [&in, parts] { switchLaneMeters(in, parts); });
    both({cmd::kSwitchMenuTrigger, cmd::kRulerSwitchMenuTrigger}, [&in] { switchMenuTrigger(in); });
    table.Add(cmd::kExitProgram, parts.closeWindow);
}
