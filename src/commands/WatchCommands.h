// The watch's menu: its mode, its peeking at the lanes, the typer's options, and the copy and
// paste of what it shows.
#pragma once

class Arrangement;
class QString;
class CommandTable;
class PlanDesktop;
class TTheInterior;
class TransportLink;

// Everything referenced outlives the table.
struct WatchCommandLinks {
    Arrangement& arrangement;
    TTheInterior& interior;
    TransportLink& transport; // a pasted time or step moves the line
    PlanDesktop& desktop;     // the clipboard
};

// Adds to the watch's own table. UI thread only.
void AddWatchCommands(CommandTable& watch, const WatchCommandLinks& links);

// A text pasted on the watch while nothing is typed: a time ("1:05.250", "01:05:250") moves
// the line to that time, a whole number to that step; false, with nothing done, for anything
// else.
bool GoToPastedText(const WatchCommandLinks& links, const QString& text);
