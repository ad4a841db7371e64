// Elapsed times are reported through the ordinary report queue.
#include "texts/ReportElapsed.h"

#include "support/Report.h"
#include "support/Stopwatch.h"
#include "texts/TextFormat.h"

#include <algorithm>

namespace {
constexpr int kElapsedText = 322;
}

QString ElapsedTimeText(std::chrono::milliseconds elapsed) {
    const qint64 ms = std::max<qint64>(0, elapsed.count());
    const qint64 hours = ms / 3'600'000;
    const QString minutesOn = QString("%1:%2.%3")
                                  .arg(ms / 60'000 % 60, 2, 10, QChar(u'0'))
                                  .arg(ms / 1000 % 60, 2, 10, QChar(u'0'))
                                  .arg(ms % 1000, 3, 10, QChar(u'0'));
    return hours > 0 ? QString::number(hours) + ':' + minutesOn : minutesOn;
}

void ReportElapsed(const TGenericStopwatch& stopwatch, const QString& message, int64_t& mark) {
    const std::chrono::milliseconds elapsed(stopwatch.Elapsed(mark));
    Report(message, FormatText(kElapsedText, {ElapsedTimeText(elapsed)}), false);
}
