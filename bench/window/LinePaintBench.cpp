// The whole program on the demo plan in a 1920 x 1080 window on the offscreen platform, rolling on
// the "no sound" device: prints what one line tick costs the UI thread (the tick and the paint it
// asks for, flushed at once, and that paint alone) against a full repaint of the same window, in
// the same process.
// Usage: line_paint_bench [ticks]   (1000 unless told)
#include "app/ProgramSession.h"
#include "controls/TheCarrier.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kTickMs = 20;
constexpr int kFullRepaints = 50;

// Lets the program's own events run for a while, as between two timer ticks.
void runEventsFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool prepareFolder(const QTemporaryDir& dir) {
    for (const char* name : {"libgbxaudio.so", "libgbxaudiomix.so", "libgbxaudioflac.so"})
        if (!QFile::link(QStringLiteral(GBX_PROGRAM_DIR "/") + name, dir.filePath(name)))
            return false;
    if (!QDir(dir.path()).mkpath("data"))
        return false;
    QFile settings(dir.filePath("data/glorinbax.ini"));
    return settings.open(QIODevice::WriteOnly) &&
           settings.write("[Audio.Out]\nSelectedDevice=0\n[Carrier]\nRollOnStartup=1\n") > 0;
}

struct Spread {
    double mean = 0, median = 0, p99 = 0, worst = 0;
};

Spread spreadOf(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    Spread s;
    s.mean = std::accumulate(ms.begin(), ms.end(), 0.0) / double(ms.size());
    s.median = ms[ms.size() / 2];
    s.p99 = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
    s.worst = ms.back();
    return s;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int ticks = argc > 1 ? std::max(10, std::atoi(argv[1])) : 1000;

    QTemporaryDir dir;
    if (!dir.isValid() || !prepareFolder(dir)) {
        std::fprintf(stderr, "cannot prepare a program folder\n");
        return 1;
    }
    SessionOptions options{ProgramFolders::ForExecutable(dir.filePath("glorinbax")),
                           QStringLiteral(GBX_PROGRAM_DIR "/data/demo/demo.skw"),
                           SessionMode::Quit};
    ProgramSession session(options);
    TGlorinbaxMF* window = session.Window();
    if (session.Halted() || !window || !session.Carrier()) {
        std::fprintf(stderr, "the program did not come up\n");
        return 1;
    }
    window->resize(kWidth, kHeight);
    runEventsFor(500);
    if (!session.Carrier()->Rolling()) {
        std::fprintf(stderr, "the demo plan does not roll\n");
        return 1;
    }
    std::vector<double> tickMs, flushMs;
    int moved = 0;
    QElapsedTimer clock;
    for (int i = 0; i < ticks; ++i) {
        // Only the bench's own ticks: a wrap of the loop starts the window's timer again.
        window->Timers().LineTimer.stop();
        runEventsFor(kTickMs);
        const Elements before = session.Carrier()->LinePosition();
        clock.start();
        window->LineTick(false);
        const qint64 ticked = clock.nsecsElapsed();
        QCoreApplication::sendPostedEvents(window, QEvent::UpdateRequest);
        tickMs.push_back(double(clock.nsecsElapsed()) / 1e6);
        flushMs.push_back(double(clock.nsecsElapsed() - ticked) / 1e6);
        moved += session.Carrier()->LinePosition() != before ? 1 : 0;
    }
    std::vector<double> fullMs;
    for (int i = 0; i < kFullRepaints; ++i) {
        clock.start();
        window->repaint();
        fullMs.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    const Spread tick = spreadOf(tickMs);
    const Spread flush = spreadOf(flushMs);
    const Spread full = spreadOf(fullMs);
    std::printf(
        "window %d x %d, demo plan rolling on the \"no sound\" device; the line moved in %d "
        "of %d ticks\n",
        window->width(), window->height(), moved, ticks);
    std::printf("line tick with its paint: mean %.3f ms, median %.3f, 99th percentile %.3f, worst "
                "%.3f (goal: under 1 ms)\n",
                tick.mean, tick.median, tick.p99, tick.worst);
    std::printf("  of which the window's paint of what the tick marked: mean %.3f ms, median %.3f, "
                "99th percentile %.3f\n",
                flush.mean, flush.median, flush.p99);
    std::printf("full repaint of the window: mean %.3f ms, median %.3f\n", full.mean, full.median);
    std::printf("ratio tick / full repaint (means): %.3f\n", tick.mean / full.mean);
    session.Close();
    return 0;
}
