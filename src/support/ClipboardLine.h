// A one-line value taken from the clipboard's text.
#pragma once

#include <QString>

// The text's first line, trimmed.
QString FirstLine(const QString& text);
// The same with blanks for its control characters: a name or a file name
// pasted from the clipboard can never carry a line break into a plan file.
QString FirstCleanLine(const QString& text);
