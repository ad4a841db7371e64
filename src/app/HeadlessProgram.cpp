// Start-up and shut-down without a window.
#include "app/HeadlessProgram.h"

#include "support/FaultLog.h"

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
      m_startup(ReadStartupSettings(m_settings.Store(), m_folders.programFolder)) {}

HeadlessProgram::~HeadlessProgram() {
    try {
        SaveSettings(m_settings.Store(), ExitSettings::FromStore(m_settings.Store()));
    } catch (const std::exception& e) {
        GBX_FAULT_CAUGHT("FormDestroy", e);
    }
}
