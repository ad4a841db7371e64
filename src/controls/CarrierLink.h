// What the carrier asks of the mingler and of the window that carries it.
#pragma once

#include "controls/MouseInput.h"
#include "model/Units.h"

#include <QString>

// The program implements it over the mingler and the main window (MinglerCarrierLink). UI
// thread only. The carrier holds the mixer lock around PauseMix and ResumeMix alone; RollMix,
// StopMix and ReleaseMix take it themselves.
class CarrierLink {
public:
    virtual ~CarrierLink() = default;

    // The live mix stream exists.
    virtual bool HasStream() const = 0;
    // The last request to play succeeded.
    virtual bool LastPlaySucceeded() const = 0;
    // A fresh mix stream from the position with every ball armed, then played; without an
    // output or a mixer there is no stream and the play counts as failed.
    virtual void RollMix(Elements from) = 0;
    // Pauses the stream; false, with the fault reported, when the library refuses.
    virtual bool PauseMix() = 0;
    // Plays the paused stream on from where it paused.
    virtual bool ResumeMix() = 0;
    // Removes the range syncs, silences every ball and stops the stream.
    virtual void StopMix() = 0;
    // The stream stopped by itself: stopped as StopMix, then freed; the play counts as failed.
    virtual void ReleaseMix() = 0;
    // The output is the no-sound device, on which a paused stream is not played on.
    virtual bool SilentOutput() const = 0;

    // The mingler's play range.
    virtual bool RoundRobin() const = 0;
    virtual bool Looping() const = 0;
    virtual void ChangeRange() = 0;
    virtual void ScheduleBallsAgain() = 0;

    // The line timer, and the task-bar timer with one tick at once, run while rolling.
    virtual void RunRollTimers(bool on) = 0;
    // The task bar shows the line's place while nothing rolls.
    virtual void ShowPausedProgress() = 0;
    // The task bar shows no progress.
    virtual void ClearProgress() = 0;
    // The watch draws its current digits on the composition.
    virtual void PaintWatch() = 0;

    // A key through the window's key map, as if typed with these modifiers.
    virtual void SendKey(int key, ShiftState shift) = 0;
    // The modifiers held now.
    virtual ShiftState Modifiers() const = 0;
    // The window is the active one: a press held on it ends when it is not.
    virtual bool WindowActive() const = 0;
    // The repeat timer runs at this interval from now; StopRepeat switches it off.
    virtual void RunRepeat(int intervalMs) = 0;
    virtual void StopRepeat() = 0;
};
