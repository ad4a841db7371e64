// The font family of the ruler's digits, from the font file the settings name.
#pragma once

#include <QString>

// Registers the file (relative names count from the program folder, "\" reads as "/") and
// gives its family; without a readable file, the system's sans family.
QString RulerFontFamily(const QString& fontFile, const QString& programFolder);
