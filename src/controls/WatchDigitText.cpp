// Turning times and step counts into the watch's glyph characters.
#include "controls/WatchDigitText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

QString WatchPadded(const QString& digits, int width) {
    if (digits.size() >= width)
        return digits.right(width);
    return QString(width - digits.size(), QChar(kWatchBlank)) + digits;
}

QString TimeDigitText(const QString& minutes, const QString& seconds, const QString& milliseconds,
                      bool negative, bool full) {
    QString group1 = WatchPadded(minutes, 2);
    if (negative)
        group1 = QString(QChar(kWatchMinus)) + group1.right(1);
    const QString group3 = WatchPadded(milliseconds, 3);
    return group1 + WatchPadded(seconds, 2) + (full ? group3 : group3.left(2) + QChar(kWatchMark));
}

QString TimeDigitText(int64_t milliseconds, bool full) {
    const int64_t whole = std::llabs(milliseconds);
    return TimeDigitText(QString::number(whole / 60000 % 60), QString::number(whole / 1000 % 60),
                         QString::number(whole % 1000), milliseconds < 0, full);
}

QString WatchTimeText(int64_t milliseconds) {
    const int64_t whole = std::llabs(milliseconds);
    const auto padded = [](int64_t value, int width) {
        return QString::number(value).rightJustified(width, u'0');
    };
    return (milliseconds < 0 ? QStringLiteral("-") : QString()) + padded(whole / 60000 % 60, 2) +
           u':' + padded(whole / 1000 % 60, 2) + u':' + padded(whole % 1000, 3);
}

int64_t MillisecondsOfPosition(Elements position, int32_t elementRate) {
    if (elementRate <= 0)
        return 0;
    const long double ms = position.count / (elementRate * 4.0L) * 1000;
    return std::isfinite(ms) ? std::llround(ms) : 0;
}

int64_t StepOfPosition(Elements position, long double elementsPerStep) {
    if (!(elementsPerStep > 0))
        return 0;
    // Far beyond any plan, and exact in a long double: the cast and the step before stay defined
    // for extreme positions and tiny step lengths.
    constexpr long double kMostSteps = 1e18L;
    const long double steps =
        std::trunc((static_cast<long double>(position.count) + 1) / elementsPerStep);
    if (std::isnan(steps))
        return 0;
    const int64_t step = static_cast<int64_t>(std::clamp(steps, -kMostSteps, kMostSteps));
    return position.count < 0 ? step - 1 : step;
}

QString StepDigitText(Elements position, long double elementsPerStep) {
    const int64_t step = StepOfPosition(position, elementsPerStep);
    QString text = WatchPadded(QString::number(std::llabs(step)), kWatchPlaces);
    if (position.count < 0)
        text[0] = QChar(kWatchMinus);
    return text;
}
