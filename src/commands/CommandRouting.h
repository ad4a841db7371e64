// Which object a command id acts on when it is run by its number or by a key rather than from
// its menu, and the typed command number (Ctrl+Alt+I).
#pragma once

#include <functional>

class CommandTable;
class ContextCommands;
struct CommandState;
class TWatchTyper;

// The dispatcher an id belongs to when no menu chose it.
enum class CommandRoute {
    Main,
    Lane,  // the lane at the point's row, when there is one
    Ruler, // at the mouse's x
    Watch,
    LaneStrip,
    Slider,
    Carrier,
    BallOrRoom, // the ball at the point, else the room's cell there
    Report,
    None // sub-menus and ids without a command
};
CommandRoute RouteOf(int id);

// Everything referenced outlives the routes.
struct CommandRoutes {
    const CommandTable& main;
    ContextCommands& contexts;
    const CommandState& state;
    // The ruler's commands act where the mouse is now.
    std::function<void()> rulerClickAtMouse;
};

// Picks the object the id's route names and runs the id there; false when nothing ran. UI
// thread only.
bool RunRoutedCommand(const CommandRoutes& routes, int id);

// The watch asks for a number n (1 .. 224); once it is entered, command 1024 + n runs as above,
// after the typing has ended. False when the watch is typing already.
bool RunCommandByNumber(TWatchTyper& typer, const CommandRoutes& routes);
