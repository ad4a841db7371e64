// Reading a visual style's config.ini into its tables.
#pragma once

#include "controls/StyleTables.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// Lower-cased, every character that is not a hexadecimal digit dropped, the first six digits
// read as RRGGBB. Fewer than six digits give none, so the value before stays.
std::optional<uint32_t> ParseStyleColour(const QString& text);
// A decimal integer; none for an empty text or one that does not convert.
std::optional<int32_t> ParseStyleInteger(const QString& text);

// The built-in tables overwritten by the known keys of the known sections. A section runs from
// its exact header line to the next line starting with "["; keys compare with case; lines are
// trimmed, ";" starts a comment, and key and value split at the first "=".
StyleTables ReadStyleConfig(const QStringList& lines);
// The same from a file in UTF-8; a missing or unreadable file gives the built-in tables.
StyleTables ReadStyleConfigFile(const QString& fileName);
