#include "commands/MenusProgramFacts.h"

#include "audio/Mingler.h"
#include "commands/EditHistory.h"
#include "commands/MenusWindowLink.h"
#include "commands/PlanDialogs.h"
#include "controls/Interior.h"
#include "controls/TheRoom.h"
#include "controls/TheWatch.h"
#include "controls/WatchTyper.h"
#include "model/Arrangement.h"

namespace {

bool shown(const TCtrl* control) {
    return control && control->Visible;
}

PieceFacts pieceFacts(const TPiece& piece) {
    return {piece.Resource != nullptr, piece.Resource && piece.Resource->InMemory};
}

} // namespace

MenuState ProgramMenuFacts::Now() const {
    const Arrangement& a = m_arrangement;
    MenuState s;
    s.busy = m_window.Busy();
    s.planKeptOnce = !a.plan.Untitled;
    s.planChanged = a.plan.Modified();
    s.canUndo = m_history && m_history->CanUndo();
    s.canRedo = m_history && m_history->CanRedo();
    s.resourcesLoaded = a.resources.Count() > 0;
    s.clipboardText = m_desktop.ClipboardText();
    s.editorialProgramSet = m_window.EditorialProgramSet();
    s.roomHasBalls = a.balls.Count() > 0;
    s.laneCount = a.lanes.Count();
    for (int i = 0; i < a.lanes.Count(); ++i)
        s.anyLaneHueGenerated = s.anyLaneHueGenerated || a.lanes.At(i).Piece().HueAuto();
    s.lastRenderKnown = m_window.LastRenderKnown();
    s.rendersRunning = m_window.RendersRunning();
    s.renderTimerRunning = m_window.RenderTimerRunning();
    s.elementsPerStep = a.plan.ElementsPerStep();

    const TThePoint& point = a.room.Point;
    s.lane = LaneAt(point.Y);
    if (const TBall* ball = a.balls.Find(point.X, point.Y)) {
        // A ball without a piece of its own sets no value.
        const TPiece* own = ball->OwnPiece();
        s.ball = BallFacts{own ? pieceFacts(*own) : PieceFacts{},
                           ball->Lane() && ball->Values().EffectiveResource(),
                           own ? QString::fromStdString(own->Life.Text())
                               : QString::number(TPiece::kNotSet),
                           static_cast<long double>(own ? own->Life.Value() : TPiece::kNotSet)};
    }

    const TTheInterior& in = m_interior;
    s.rulerVisible = shown(in.Ruler);
    s.laneStripVisible = shown(in.Lanes);
    s.watchVisible = shown(in.Watch);
    s.carrierVisible = shown(in.Carrier);
    s.sliderVisible = shown(in.Slider);
    s.menuTriggerVisible = shown(in.MenuTrigger);
    s.flagsVisible = a.room.Flags.FlagsShown;
    s.flagHandlesVisible = a.room.Flags.HandlesShown;
    s.peakMetersPresent = in.MeterL || in.MeterR;
    s.laneMetersVisible = in.LaneStripStates.metersVisible;
    s.reportVisible = m_window.ReportVisible();
    s.reportRows = m_window.ReportRowCount();
    s.reportSelectedRows = m_window.ReportSelectedRowCount();

    if (const TTheMingler* mingler = m_mingler())
        s.loopRange = mingler->RoundRobin();
    if (TTheRoom* room = TheRoomOf(in))
        s.followTheLine = room->AutoScroll().FollowTheLine;
    s.watchPeeksLoudness = in.WatchStates.peekLanesLoudness;
    s.watchAllowsOutOfRange = in.WatchStates.allowOutOfRange;
    if (TTheWatch* watch = TheWatchOf(in))
        s.watchTyperHasValue = watch->Typer().LastParameters().has_value();
    return s;
}

std::optional<LaneFacts> ProgramMenuFacts::LaneAt(int32_t position) const {
    const TLane* lane = m_arrangement.lanes.AtPosition(position);
    if (!lane)
        return std::nullopt;
    return LaneFacts{pieceFacts(lane->Piece()), !lane->LaneBalls.empty(), lane->Piece().HueAuto()};
}
