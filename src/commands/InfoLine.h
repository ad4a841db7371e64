// One "label: value" line of an information box.
#pragma once

#include "texts/Parlance.h"

#include <QString>

inline QString InfoLine(int label, const QString& value) {
    return GetText(label) + QStringLiteral(": ") + value;
}
