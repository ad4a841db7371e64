// Start-up without a window.
#include "cli/HeadlessProgram.h"

#include "support/FaultLog.h"
#include "support/SettingKeys.h"
#include "support/WideMemIniFile.h"
#include "texts/Parlance.h"

ScriptEnvironment StartForScript(const QString& exeName) {
    ScriptEnvironment env{ProgramFolders::ForExecutable(exeName), {}};
    faultlog::SetFolder(env.folders.dataFolder);
    faultlog::SetUiThread();
    SeedDataFolder(env.folders);
    try {
        const TWideMemIniFile settings(env.folders.settingsFile);
        env.defaultResourcesFolder = ReadDefaultResourcesFolder(settings);
        LoadParlance(settings, env.folders.dataFolder);
    } catch (const std::exception& e) {
        GBX_FAULT_CAUGHT("LoadSettings", e);
        LoadParlance(TWideMemIniFile(QString()), env.folders.dataFolder);
    }
    return env;
}
