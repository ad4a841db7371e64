// Path texts that may come from files written on Windows.
#pragma once

#include <QString>

// Settings and plans written on Windows hold "\" separators.
inline QString ToLinuxSeparators(QString path) {
    return path.replace('\\', '/');
}
