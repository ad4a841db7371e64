// The view switches, which show or hide one part of the window each, and the exit command.
#pragma once

#include <functional>

class CommandTable;
class TTheFlags;
class TTheInterior;
class TTheMingler;

// What the switches act on; everything referenced outlives the table.
struct ViewCommandParts {
    TTheInterior& interior;
    TTheFlags& flags;
    // The mingler keeps a heard level per source only while the lane meters are shown; none
    // before the audio side is up.
    std::function<TTheMingler*()> mingler;
    // Closes the window as the user does (the close question follows).
    std::function<void()> closeWindow;
};

// Adds the switches of the view menu with the hide items of the context menus (the same work
// under a second id), and the exit. UI thread only.
void AddViewCommands(CommandTable& table, const ViewCommandParts& parts);
