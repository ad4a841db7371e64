// A sound file's name as a user pastes it.
#pragma once

#include <QString>

// The first line of the text, trimmed; a "file:" address becomes its local path. Empty when
// that line holds a control character: such a name would end up in plan files, where a line
// break would start a section of its own.
QString SoundFileNameFromText(const QString& text);
