// The main window's timers with their intervals; every handler runs on the UI thread.
#pragma once

#include <QTimer>

#include <memory>

// Created in table order and freed in the reverse order. Only the auto-save timer runs at first.
class WindowTimers {
public:
    // The task-bar timer exists only where a progress display is available.
    explicit WindowTimers(bool withTaskbar);

    QTimer LineTimer;   // 20 ms: the line, the meters and the watch follow the mix
    QTimer TitleTimer;  // 500 ms, once: the title from the plan
    QTimer FadeTimer;   // 50 ms: the start-up fade-in
    QTimer RepeatTimer; // 15 ms: a held carrier button repeats
    std::unique_ptr<QTimer> TaskbarTimer; // 250 ms: the progress display while rolling
    QTimer BlinkTimer;                    // 250 ms: the point blinks
    QTimer DimTimer;                      // 15 ms: a step of the dimming animation
    QTimer RenderTimer;                   // 100 ms: the running renders
    QTimer AutoSaveTimer;                 // 60 s
    QTimer ReportTimer;                   // 500 ms: queued report lines into the report window

    // Closing: every timer off and its handlers detached.
    void StopAll();
};
