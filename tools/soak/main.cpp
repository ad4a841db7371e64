// Soaks the program: glorinbax-soak [--seconds S] [--step-ms M] [--seed N]
// Exits 1 on any fault-log line, a line that steps back or engine channels that pile up; the
// sanitised builds add leaks and data races.
#include "SoakDriver.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

int main(int argc, char** argv) {
    SoakOptions options;
    options.seed = static_cast<unsigned>(std::time(nullptr));
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (hasValue && !std::strcmp(argv[i], "--seconds")) {
            options.seconds = std::atoi(argv[++i]);
        } else if (hasValue && !std::strcmp(argv[i], "--step-ms")) {
            options.stepMs = std::atoi(argv[++i]);
        } else if (hasValue && !std::strcmp(argv[i], "--seed")) {
            options.seed = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        } else {
            std::fprintf(stderr, "usage: %s [--seconds S] [--step-ms M] [--seed N]\n", argv[0]);
            return 2;
        }
    }
    if (options.seconds <= 0 || options.stepMs <= 0) {
        std::fprintf(stderr, "glorinbax-soak: the seconds and the step must be positive\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    options.programFolder = QStringLiteral(GBX_PROGRAM_DIR);
    std::printf("soak: seed %u, an edit every %d ms for %d s\n", options.seed, options.stepMs,
                options.seconds);
    std::fflush(stdout);
    return SoakDriver(options).Run();
}
