// Units run from the largest down; the first that fits at least once is used.
#include "texts/DurationWords.h"

#include "texts/Parlance.h"

#include <algorithm>
#include <array>

QString DurationInWords(std::chrono::milliseconds duration) {
    using namespace std::chrono;
    constexpr std::array<milliseconds, 8> kUnits = {
        days(365), days(30), days(7), days(1), hours(1), minutes(1), seconds(1), milliseconds(1)};
    const milliseconds span = std::max(duration, milliseconds(0));
    std::size_t unit = 0;
    while (unit + 1 < kUnits.size() && span < kUnits[unit])
        ++unit;
    const qint64 count = span / kUnits[unit];
    const QString& name = DateTimeNames()[2 * unit + (count == 1 ? 0 : 1)];
    return QString::number(count) + ' ' + name;
}
