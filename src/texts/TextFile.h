// Reading the language files: whole-file UTF-8 text and its lines.
#pragma once

#include <QString>
#include <QStringList>

// The whole file decoded as UTF-8. A leading byte-order mark, which editors add at will,
// is dropped so that it does not end up in the first entry.
// Throws std::runtime_error naming the file when it cannot be read.
QString ReadWholeText(const QString& path);

// Lines split at CR, LF or CR LF; a break at the very end opens no further line.
QStringList SplitLines(const QString& text);
