// Display names of sound files.
#include "support/DisplayName.h"

QString DisplayNameOfFile(const QString& baseName) {
    QString name = baseName;
    name.replace(QLatin1Char('_'), QLatin1Char(' '));
    name = name.simplified();
    return name.isEmpty() ? baseName : name;
}
