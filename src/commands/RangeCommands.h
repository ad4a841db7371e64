// The play range and play commands: the range's ends at the point or where the ruler was
// clicked, the range around the point or fitted to the balls, rolling from a mark, and the
// mingler's loop and the room's following of the line.
#pragma once

#include <cstdint>
#include <functional>

class Arrangement;
class CommandTable;
class TTheInterior;
class TTheMingler;
class TransportLink;

// Everything referenced outlives the tables.
struct RangeCommandLinks {
    Arrangement& arrangement;
    TTheInterior& interior;
    TransportLink& transport;
    // None before the audio side is up.
    std::function<TTheMingler*()> mingler;
    // The window x at which the ruler's menu opened; its commands act there.
    std::function<int32_t()> rulerClickX;
};

// The main table's range and play commands; the ruler's own table acts at the ruler-click x.
// UI thread only.
void AddRangeCommands(CommandTable& main, CommandTable& ruler, const RangeCommandLinks& links);

// The end of the play range nearer to the point (on the screen) moves to the point: the start to
// the point's column, the end to the column after it.
void MoveNearerRangeEndToPoint(TTheInterior& interior, const Arrangement& arrangement);
