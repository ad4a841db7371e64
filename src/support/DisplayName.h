// The name a lane shows for a sound file.
#pragma once

#include <QString>

// A file's base name as a display name: underscores read as blanks, runs of blanks become one,
// and the ends are trimmed; a name with nothing left stays as it was.
QString DisplayNameOfFile(const QString& baseName);
