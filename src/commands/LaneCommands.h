// The lane commands: the lane menu's, the lane strip's and those of the lanes menu that act on
// all lanes.
#pragma once

#include <Qt>

#include <cstdint>
#include <functional>
#include <optional>

class Arrangement;
class CommandTable;
class ContextCommands;
class PlanDesktop;
class TTheInterior;
class TTheMingler;
struct CommandState;

// Everything referenced outlives the tables.
struct LaneCommandLinks {
    Arrangement& arrangement;
    CommandState& state; // the lane commands act on CurrentLane
    PlanDesktop& desktop;
    TTheInterior& interior;
    // The live mingler, for the audition; none without sound.
    std::function<TTheMingler*()> mingler;
    // The keys held as a command runs.
    std::function<Qt::KeyboardModifiers()> modifiers;
    // The lane position of the row under the last context menu.
    std::function<int32_t()> popupRow;
    // Whether a random lane gets a ball on a step; empty: a fair coin.
    std::function<bool()> coin;
};

// Adds the lane menu's commands to the lane table, the empty row's to the lane strip's, and
// those shared with the lanes menu to the main table. UI thread only.
void AddLaneCommands(CommandTable& main, ContextCommands& contexts, const LaneCommandLinks& links);
