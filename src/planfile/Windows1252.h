// The 8-bit code page of text values in binary plan files (Windows-1252).
#pragma once

#include <QByteArray>
#include <QString>

// One byte per character; characters the code page lacks become "?", one per code point.
QByteArray ToWindows1252(QStringView text);
// Each byte becomes one character; the five unassigned bytes keep their own code points.
QString FromWindows1252(const char* bytes, qsizetype size);
