// The commands of the watch, the slider, the carrier, the ruler and the report window, the
// typed values, the play range and the point's blinking, registered together.
#pragma once

#include <cstdint>
#include <functional>

class Arrangement;
class AudioOutput;
class CommandHost;
class CommandTable;
class ContextCommands;
class PlanDesktop;
class PlanDialogs;
class ReportLink;
class TTheInterior;
class TTheMingler;
class TWideCustomIniFile;
class TransportLink;

// Everything referenced outlives the tables.
struct ControlCommandLinks {
    Arrangement& arrangement;
    TTheInterior& interior;
    TransportLink& transport;
    PlanDesktop& desktop;
    CommandHost& host;
    PlanDialogs& dialogs;
    ReportLink& report;
    TWideCustomIniFile& settings;
    AudioOutput& output;
    // None before the audio side is up.
    std::function<TTheMingler*()> mingler;
    // The window x at which the ruler's menu opened.
    std::function<int32_t()> rulerClickX;
    // The point starts or stops blinking.
    std::function<void()> switchPointBlinking;
};

// UI thread only.
void AddControlCommands(CommandTable& main, ContextCommands& contexts,
                        const ControlCommandLinks& links);
