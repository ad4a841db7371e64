// Report lines that say how long a file operation took.
#pragma once

#include <QString>

#include <chrono>
#include <cstdint>

class TGenericStopwatch;

// The elapsed time as a time of day: "mm:ss.zzz", or "h:mm:ss.zzz" from one hour on.
QString ElapsedTimeText(std::chrono::milliseconds elapsed);

// A notice line with message as its subject and text 322 filled with the time since
// mark; mark becomes now.
void ReportElapsed(const TGenericStopwatch& stopwatch, const QString& message, int64_t& mark);
