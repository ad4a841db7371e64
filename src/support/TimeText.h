// Reads short typed times such as "-01:02.345".
#pragma once

#include <QString>

#include <chrono>

// "mm:ss.zzz" with an optional leading "-": seconds above 59 become 59, milliseconds
// above 999 become 999, unreadable fields count as 0.
std::chrono::milliseconds TimeFromText(const QString& text);
