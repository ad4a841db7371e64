#include "LineWatch.h"

bool LineWatch::Read(const Reading& reading) {
    ++m_readings;
    const std::optional<Elements> last = m_last;
    m_last = reading.position;
    if (!last || reading.position >= *last)
        return true;
    if (m_moveExcused) {
        m_moveExcused = false;
        return true;
    }
    const auto wrappedIn = [&](const PlayRange& range) {
        return reading.looping && *last + reading.elapsed >= range.end &&
               reading.position >= range.start && reading.position < range.end;
    };
    if (wrappedIn(reading.range) || (m_earlier && wrappedIn(*m_earlier))) {
        ++m_wraps;
        return true;
    }
    m_fault = "the line stepped back from " + std::to_string(last->count) + " to " +
              std::to_string(reading.position.count) + " (range " +
              std::to_string(reading.range.start.count) + ".." +
              std::to_string(reading.range.end.count) +
              (reading.looping ? ", looping)" : ", not looping)");
    return false;
}
