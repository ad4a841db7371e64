#include "commands/HistoryCommands.h"

#include "commands/CommandIds.h"
#include "commands/CommandState.h"
#include "commands/CommandTable.h"
#include "commands/EditHistory.h"
#include "controls/ControlHost.h"
#include "controls/Interior.h"
#include "controls/TheRuler.h"
#include "controls/TheWatch.h"
#include "model/Arrangement.h"
#include "support/Report.h"
#include "texts/Parlance.h"
#include "texts/TextFormat.h"

namespace {

constexpr int kTextUndone = 352;
constexpr int kTextRedone = 353;

void takeStep(const HistoryLinks& links, bool back) {
    // A value being typed would be written to what the step may take away.
    if (TTheWatch* watch = TheWatchOf(links.interior); watch && watch->Typing())
        watch->EndTyping();
    TEditHistory& history = links.history;
    history.CloseStep();
    const int32_t change = back ? history.UndoCode() : history.RedoCode();
    Arrangement& a = links.arrangement;
    const Elements startWas = a.plan.Start;
    const Elements endWas = a.plan.End;
    if (!(back ? history.Undo() : history.Redo()))
        return;
    // The ball and the lane the commands act on may be gone, or back as other objects.
    links.state.CurrentBall = a.balls.Find(a.room.Point.X, a.room.Point.Y);
    if (links.state.CurrentLane && a.lanes.IndexOf(*links.state.CurrentLane) < 0)
        links.state.CurrentLane = nullptr;
    for (TBall* ball : history.Restored())
        a.audio.ArmBall(*ball);
    // A play range that changed under a rolling plan is heard as a move of its flags is.
    const bool startMoved = a.plan.Start != startWas;
    const bool endMoved = a.plan.End != endWas;
    if (TTheRuler* ruler = dynamic_cast<TTheRuler*>(links.interior.Ruler);
        ruler && (startMoved || endMoved))
        ruler->OnRoundRobinRangeChange(startMoved, endMoved, endWas);
    // Lanes may have come or gone and the timing changed: the ruler, the room and the lane strip
    // are drawn afresh.
    links.interior.TheCtrls.Host.RelayoutAndRepaint(false);
    Report(FormatText(back ? kTextUndone : kTextRedone, {Text(change)}), QString(), false);
}

} // namespace

void AddHistoryCommands(CommandTable& commands, const HistoryLinks& links) {
    commands.Add(cmd::kUndo, [links] { takeStep(links, true); });
    commands.Add(cmd::kRedo, [links] { takeStep(links, false); });
}
