// Intervals and start states of the window's timers.
#include "app/WindowTimers.h"

WindowTimers::WindowTimers(bool withTaskbar) {
    LineTimer.setInterval(20);
    LineTimer.setTimerType(Qt::PreciseTimer);
    TitleTimer.setInterval(500);
    TitleTimer.setSingleShot(true);
    FadeTimer.setInterval(50);
    RepeatTimer.setInterval(15);
    if (withTaskbar) {
        TaskbarTimer = std::make_unique<QTimer>();
        TaskbarTimer->setInterval(250);
    }
    BlinkTimer.setInterval(250);
    DimTimer.setInterval(15);
    DimTimer.setTimerType(Qt::PreciseTimer);
    RenderTimer.setInterval(100);
    AutoSaveTimer.setInterval(60000);
    ReportTimer.setInterval(500);
    AutoSaveTimer.start();
}

void WindowTimers::StopAll() {
    for (QTimer* timer : {&LineTimer, &TitleTimer, &FadeTimer, &RepeatTimer, TaskbarTimer.get(),
                          &BlinkTimer, &DimTimer, &RenderTimer, &AutoSaveTimer, &ReportTimer}) {
        if (timer) {
            timer->stop();
            timer->disconnect();
        }
    }
}
