// The loudness slider's menu: set positions, and the copy and paste of its position; while a
// value is typed into the watch they act on the typed value instead.
#pragma once

class Arrangement;
class CommandTable;
class PlanDesktop;
class TTheInterior;

// Everything referenced outlives the table.
struct SliderCommandLinks {
    Arrangement& arrangement;
    TTheInterior& interior;
    PlanDesktop& desktop; // the clipboard
};

// Adds to the slider's own table. UI thread only.
void AddSliderCommands(CommandTable& slider, const SliderCommandLinks& links);
