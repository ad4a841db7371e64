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
    const bool wrapped = reading.looping && reading.position >= reading.rangeStart &&
                         reading.position - reading.rangeStart <= reading.elapsed;
    if (wrapped) {
        ++m_wraps;
        return true;
    }
    m_fault = "the line stepped back from " + std::to_string(last->count) + " to " +
              std::to_string(reading.position.count) + " (range start " +
              std::to_string(reading.rangeStart.count) +
              (reading.looping ? ", looping)" : ", not looping)");
    return false;
}
