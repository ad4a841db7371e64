// Everything a plan is made of, in one place: the plan, its lanes, balls, room data and the
// resources they name.
#pragma once

#include "model/AudioHooks.h"
#include "model/Balls.h"
#include "model/EditRecorder.h"
#include "model/Lanes.h"
#include "model/Plan.h"
#include "model/Resources.h"
#include "model/Room.h"
#include "model/WindowHooks.h"

// Lives as long as the main window. The members are declared in the order they may refer to
// each other, so that balls go before the lanes they point into.
// Threads: changed on the UI thread only. The mingler's syncs read the plan's timing, the balls,
// lanes, pieces and resources on the mixing (or sync) thread under the mix lock
// (AudioHooks::LockMixer), so every change of those holds it; the room is the UI thread's alone.
class Arrangement {
public:
    explicit Arrangement(AudioHooks& audioHooks = NoAudio(), WindowHooks& windowHooks = NoWindow());
    Arrangement(const Arrangement&) = delete;
    Arrangement& operator=(const Arrangement&) = delete;

    AudioHooks& audio;
    WindowHooks& window;
    TResources resources;
    TTheLanes lanes;
    TThePlan plan;
    TRoomState room;
    TTheBalls balls;
    // The edit history, once the program has one; none for a plan loaded for itself alone.
    EditRecorder* recorder = nullptr;

    // Hooks that do nothing, for an arrangement without sound or window.
    static AudioHooks& NoAudio();
    static WindowHooks& NoWindow();
};
