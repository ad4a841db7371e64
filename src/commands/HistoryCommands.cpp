#include "commands/HistoryCommands.h"

#include "commands/CommandIds.h"
#include "commands/CommandState.h"
#include "commands/CommandTable.h"
#include "commands/EditHistory.h"
#include "controls/Interior.h"
#include "controls/TheLaneStrip.h"
#include "controls/TheRoom.h"
#include "model/Arrangement.h"
#include "support/Report.h"
#include "texts/Parlance.h"
#include "texts/TextFormat.h"

namespace {

constexpr int kTextUndone = 352;
constexpr int kTextRedone = 353;

void takeStep(const HistoryLinks& links, bool back) {
    TEditHistory& history = links.history;
    history.CloseStep();
    const int32_t change = back ? history.UndoCode() : history.RedoCode();
    if (!(back ? history.Undo() : history.Redo()))
        return;
    Arrangement& a = links.arrangement;
    // The ball the commands act on may be gone, or back as another object.
    links.state.CurrentBall = a.balls.Find(a.room.Point.X, a.room.Point.Y);
    for (TBall* ball : history.Restored())
        a.audio.ArmBall(*ball);
    if (TTheRoom* room = TheRoomOf(links.interior))
        room->RepaintWhole();
    if (TTheLaneStrip* strip = TheLaneStripOf(links.interior))
        strip->RepaintWhole();
    Report(FormatText(back ? kTextUndone : kTextRedone, {Text(change)}), QString(), false);
}

} // namespace

void AddHistoryCommands(CommandTable& commands, const HistoryLinks& links) {
    commands.Add(cmd::kUndo, [links] { takeStep(links, true); });
    commands.Add(cmd::kRedo, [links] { takeStep(links, false); });
}
