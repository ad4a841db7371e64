// The commands about sound files: choosing, pasting, reloading and unlinking a lane's or a
// ball's file, the operations on the file itself, the information boxes and adding a lane.
#pragma once

#include <QString>

#include <cstdint>
#include <functional>

class Arrangement;
class BallPlacing;
class CommandHost;
class CommandTable;
class ContextCommands;
class PlanDesktop;
class PlanDialogs;
class SoundFileLink;
class TLane;
class TTheMingler;
class TWideCustomIniFile;
struct CommandState;

constexpr int32_t kChangeBallSoundFilePasted = 251;

// Everything referenced outlives the commands.
struct SoundFileLinks {
    Arrangement& arrangement;
    CommandHost& host;
    CommandState& state; // the lane and the ball the context commands act on
    PlanDialogs& dialogs;
    PlanDesktop& desktop;
    SoundFileLink& soundFiles; // the sound-file dialog
    BallPlacing& balls;        // sound files put on the room's cells
    TWideCustomIniFile& settings;
    // The live mingler; none without sound.
    std::function<TTheMingler*()> mingler;
    // The window's part, attached once it exists: the plan row under the last context menu; the
    // lane strip and the lane's row in the room drawn again; the whole room drawn again.
    std::function<int32_t()> popupRow = [] { return 0; };
    std::function<void(const TLane&)> refreshLane = [](const TLane&) {};
    std::function<void()> repaintRoom = [] {};
    // Asked before a sound that running renders may play is read anew; true: go on.
    std::function<bool()> confirmStopPerpetuations = [] { return true; };
};

// Adds the lane's and the ball's sound-file ids to their tables, the lane strip's and the room's
// ways of adding sound files, the room's information, and AddLane to the
// main table. UI thread only.
void AddSoundFileCommands(CommandTable& main, ContextCommands& contexts,
                          const SoundFileLinks& links);

// The keys on the object at the point. CurrentBall := the ball at the point; the sound-file
// dialog for it, else for the room's cell there.
void ChooseSoundFileAtPoint(ContextCommands& contexts, const CommandState& state);
// The objects at the point are picked; the sound file of the ball when it has one of its own,
// else the lane's, goes on the clipboard.
void CopySoundFileNameAtPoint(ContextCommands& contexts, const CommandState& state,
                              PlanDesktop& desktop);
