// The plan start-up opens: the one named on the command line, a new one holding a sound file
// named there, or a new empty one.
#pragma once

#include <QString>

class Arrangement;
struct PlanFileSettings;

enum class StartupFileKind { None, Plan, Sound };

// ".skw" and ".ini", in any case, name plans; any other file is taken as a sound.
StartupFileKind StartupFileKindOf(const QString& file);

// In a new plan: a lane at row 0 sounding the file, and a ball at the room's origin in it;
// nothing for a file that cannot be decoded.
void PlaceSoundAtOrigin(Arrangement& arrangement, const QString& soundFile,
                        const QString& defaultResourcesFolder);

struct StartupOpening {
    bool loaded = false; // a plan was read from its file
    bool roll = false;
};

// Opens the file as its kind says. A plan file names the plan whether it loads or not (a failure
// is reported; a file that could not be read at all leaves the plan untitled); a sound file
// never names it. A plan rolls when rollOnStartup says so, a sound always, an empty start never.
StartupOpening OpenStartupFile(Arrangement& arrangement, const QString& file,
                               const PlanFileSettings& settings, bool rollOnStartup);
