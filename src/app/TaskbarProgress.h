// The progress display of the window's task-bar entry, and what it shows of the line.
#pragma once

#include "model/Units.h"

#include <cstdint>

enum class ProgressState { None, Indeterminate, Normal, Error, Paused };

// A desktop service shows it where one listens. UI thread only.
class TaskbarProgress {
public:
    virtual ~TaskbarProgress() = default;
    virtual void SetState(ProgressState state) = 0;
    virtual void SetValue(int64_t done, int64_t total) = 0;
};

// The line's place in the play range: progress from the start flag towards the end flag.
struct LineProgress {
    ProgressState state = ProgressState::None;
    bool withValue = false;
    int64_t done = 0;
    int64_t total = 0;
};

// Inside the range the state is normal while rolling and paused while not, or the error state
// after a failed play; outside it, indeterminate while rolling and none while not.
LineProgress ProgressOfLine(Elements line, Elements start, Elements end, bool rolling,
                            bool lastPlaySucceeded);

// Shows it; with keepState (a tick called without the timer) only the value changes.
void ShowLineProgress(TaskbarProgress& display, const LineProgress& progress, bool keepState);
