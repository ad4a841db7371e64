// The start of the scripted forms, which need no window and change no settings.
#pragma once

#include "support/ProgramFolders.h"

// The fault log and the language texts come up from the program folder; the settings file is
// read, never written.
struct ScriptEnvironment {
    ProgramFolders folders;
    QString defaultResourcesFolder; // Resources/DefaultFolder
};
ScriptEnvironment StartForScript(const QString& exeName);
