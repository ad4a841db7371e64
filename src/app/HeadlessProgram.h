// The parts of start-up and shut-down that need no window, for scripted runs.
#pragma once

#include "app/ProgramFolders.h"
#include "app/SettingsFile.h"

// Constructing it starts up (folders, fault log, settings, languages); destroying it
// shuts down as closing the window does (the exit settings are written).
class HeadlessProgram {
public:
    explicit HeadlessProgram(const QString& exeName);
    ~HeadlessProgram();
    HeadlessProgram(const HeadlessProgram&) = delete;
    HeadlessProgram& operator=(const HeadlessProgram&) = delete;

    const ProgramFolders& Folders() const { return m_folders; }
    const StartupSettings& Startup() const { return m_startup; }
    TWideMemIniFile& Settings() { return m_settings.Store(); }

private:
    ProgramFolders m_folders;
    ProgramSettings m_settings;
    StartupSettings m_startup;
};

// For the headless forms that change no settings: the fault log and the language texts
// come up from the program folder; the settings file is read, never written.
struct ScriptEnvironment {
    ProgramFolders folders;
    QString defaultResourcesFolder; // Resources/DefaultFolder
};
ScriptEnvironment StartForScript(const QString& exeName);
