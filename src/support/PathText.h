// Path texts that may come from files written on Windows.
#pragma once

#include <QDir>
#include <QString>

// Settings and plans written on Windows hold "\" separators.
inline QString ToLinuxSeparators(QString path) {
    return path.replace('\\', '/');
}

// A file named without a folder in the settings sits beside the program.
inline QString InProgramFolder(const QString& path, const QString& programFolder) {
    return !path.isEmpty() && QDir::isRelativePath(path) ? programFolder + path : path;
}
