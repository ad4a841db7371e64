// Undo and Redo: the plan's edits taken back and made again.
#pragma once

class Arrangement;
class CommandTable;
class TEditHistory;
class TTheInterior;
struct CommandState;

struct HistoryLinks {
    Arrangement& arrangement;
    TEditHistory& history;
    CommandState& state;
    const TTheInterior& interior; // the room and the lane strip, drawn again
};

// UI thread only. Each command reports the change it took back or made again; while the plan
// rolls, the balls it brings back are armed at once.
void AddHistoryCommands(CommandTable& commands, const HistoryLinks& links);
