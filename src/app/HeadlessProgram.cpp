// Start-up and shut-down without a window.
#include "app/HeadlessProgram.h"

#include "support/FaultLog.h"
#include "support/PathText.h"
#include "texts/Parlance.h"

namespace {

ProgramFolders foldersWithLog(const QString& exeName) {
    ProgramFolders folders = ProgramFolders::ForExecutable(exeName);
    faultlog::SetFolder(folders.dataFolder);
    faultlog::SetUiThread();
    return folders;
}

} // namespace

HeadlessProgram::HeadlessProgram(const QString& exeName)
    : m_folders(foldersWithLog(exeName)), m_settings(m_folders),
      m_startup(ReadStartupSettings(m_settings.Store(), m_folders.programFolder)) {
    LoadParlance(m_settings.Store(), m_folders.dataFolder);
}

HeadlessProgram::~HeadlessProgram() {
    try {
        ExitSettings state = ExitSettings::FromStore(m_settings.Store());
        state.selectedLanguage = SelectedLanguage();
        SaveSettings(m_settings.Store(), state);
        FreeParlance();
    } catch (const std::exception& e) {
        GBX_FAULT_CAUGHT("FormDestroy", e);
    }
}

ScriptEnvironment StartForScript(const QString& exeName) {
    ScriptEnvironment env{foldersWithLog(exeName), {}};
    try {
        const TWideMemIniFile settings(env.folders.settingsFile);
        env.defaultResourcesFolder =
            ToLinuxSeparators(settings.ReadString("Resources", "DefaultFolder", QString()));
        LoadParlance(settings, env.folders.dataFolder);
    } catch (const std::exception& e) {
        GBX_FAULT_CAUGHT("LoadSettings", e);
        LoadParlance(TWideMemIniFile(QString()), env.folders.dataFolder);
    }
    return env;
}
