// Short-time parsing for typed times.
#include "support/TimeText.h"

#include <algorithm>

namespace {

// Digits at [from, from+count) of text, 0 when any is missing or not a digit.
int fieldAt(const QString& text, int from, int count) {
    if (text.size() < from + count)
        return 0;
    bool ok = false;
    const int value = text.mid(from, count).toInt(&ok);
    return ok && value >= 0 ? value : 0;
}

} // namespace

std::chrono::milliseconds TimeFromText(const QString& text) {
    const bool negative = text.startsWith('-');
    const QString body = negative ? text.mid(1) : text;
    const int minutes = fieldAt(body, 0, 2);
    const int seconds = std::min(fieldAt(body, 3, 2), 59);
    const int millis = std::min(fieldAt(body, 6, 3), 999);
    const std::chrono::milliseconds total{(minutes * 60 + seconds) * 1000 + millis};
    return negative ? -total : total;
}
