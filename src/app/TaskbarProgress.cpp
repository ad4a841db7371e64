// Progress of the line between the flags.
#include "app/TaskbarProgress.h"

LineProgress ProgressOfLine(Elements line, Elements start, Elements end, bool rolling,
                            bool lastPlaySucceeded) {
    const int64_t done = (line - start).count;
    const int64_t total = (end - start).count;
    if (done < 0 || done >= total || total <= 0)
        return {rolling ? ProgressState::Indeterminate : ProgressState::None, false, 0, 0};
    const ProgressState running = rolling ? ProgressState::Normal : ProgressState::Paused;
    return {lastPlaySucceeded ? running : ProgressState::Error, true, done, total};
}

void ShowLineProgress(TaskbarProgress& display, const LineProgress& progress, bool keepState) {
    if (!keepState)
        display.SetState(progress.state);
    if (progress.withValue)
        display.SetValue(progress.done, progress.total);
}
