// The stopwatch reads the monotonic clock, which never jumps with the wall clock.
#include "support/Stopwatch.h"

#include <chrono>

int64_t TGenericStopwatch::Read() const {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

int64_t TGenericStopwatch::Elapsed(int64_t& mark) const {
    const int64_t now = Read();
    const int64_t ms = (now - mark) / (m_frequency / 1000);
    mark = now;
    return ms;
}
