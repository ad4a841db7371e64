// The clipboard and ball edits of the lane, ball, lane-strip and room menus, their keys, and
// the main menu's copy, cut and deletion of balls.
#pragma once

#include <Qt>

#include <QString>

#include <cstdint>
#include <functional>

class Arrangement;
class CommandHost;
class CommandTable;
class ContextCommands;
class PlanDesktop;
class TTheInterior;
class TTheMingler;
class TWideCustomIniFile;
struct CommandState;

constexpr int32_t kChangeAllBallsDeleted = 242;

// Everything referenced outlives the tables.
struct BallEditLinks {
    Arrangement& arrangement;
    CommandState& state;
    CommandHost& host;
    PlanDesktop& desktop; // the clipboard
    // The room, the lane strip and the watch, drawn and typed in; made before the commands.
    const TTheInterior& interior;
    const TWideCustomIniFile& settings;    // where sound files not found by name are looked for
    std::function<TTheMingler*()> mingler; // none without sound
    // The modifier keys held as a command runs.
    std::function<Qt::KeyboardModifiers()> modifiers;
    // The plan row under the position where the last context menu opened.
    std::function<int32_t()> popupRow;
    // A Yes/No question inside the dialog state: true for Yes.
    std::function<bool(const QString& caption, const QString& text, const QString& detail)>
        askYesNo;
};

// UI thread only.
void AddBallEditCommands(CommandTable& main, ContextCommands& contexts, const BallEditLinks& links);
