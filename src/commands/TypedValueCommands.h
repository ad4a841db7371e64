// The commands that ask for a number in the watch: the tempo, the output buffer, where the line
// or the point goes, the render settings and the amendment of every lane at once.
#pragma once

class AudioOutput;
class Arrangement;
class CommandTable;
class TTheInterior;
class TWideCustomIniFile;
class TransportLink;

// Everything referenced outlives the table.
struct TypedValueLinks {
    Arrangement& arrangement;
    TTheInterior& interior;
    // Moves the line or rolls from a position.
    TransportLink& transport;
    TWideCustomIniFile& settings;
    AudioOutput& output;
};

// The ids go into the main table; the watch's and the carrier's menus reach them there. Each
// does nothing while a value is being typed already. UI thread only.
void AddTypedValueCommands(CommandTable& main, const TypedValueLinks& links);
