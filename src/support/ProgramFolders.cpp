// The program's folder layout, derived from the executable's path.
#include "support/ProgramFolders.h"

#include "support/FaultLog.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

// Whether the data folder can be written, or made where it is missing: the nearest folder on its
// way that exists decides.
bool writable(const QString& programFolder) {
    QFileInfo nearest(programFolder + "data");
    while (!nearest.exists() && !nearest.isRoot())
        nearest = QFileInfo(nearest.absolutePath());
    return nearest.isWritable();
}

QString userDataFolder() {
    QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (home.isEmpty())
        home = QDir::homePath() + "/.local/share";
    return home + "/glorinbax/";
}

} // namespace

ProgramFolders ProgramFolders::ForExecutable(const QString& exeName) {
    return ForExecutable(exeName, writable(QFileInfo(exeName).absolutePath() + "/"));
}

ProgramFolders ProgramFolders::ForExecutable(const QString& exeName, bool programFolderWritable) {
    ProgramFolders f;
    f.executable = QFileInfo(exeName).absoluteFilePath();
    f.programFolder = QFileInfo(exeName).absolutePath() + "/";
    f.shippedDataFolder = f.programFolder + "data/";
    f.dataFolder = programFolderWritable ? f.shippedDataFolder : userDataFolder();
    f.defaultInteriorFolder = f.programFolder + "interior/Default/";
    f.settingsFile = f.dataFolder + "glorinbax.ini";
    f.snapshotFile = f.dataFolder + "snapshot.bmp";
    f.instructionsPrefix = f.dataFolder + "parlance/instructions_";
    f.nomenclaturePrefix = f.dataFolder + "parlance/nomenclature_";
    return f;
}

void SeedDataFolder(const ProgramFolders& folders) {
    if (folders.dataFolder == folders.shippedDataFolder)
        return;
    const QDir shipped(folders.shippedDataFolder);
    QDirIterator files(shipped.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString to = folders.dataFolder + shipped.relativeFilePath(files.next());
        if (QFileInfo::exists(to))
            continue;
        if (!QDir().mkpath(QFileInfo(to).path()) || !QFile::copy(files.filePath(), to)) {
            GBX_FAULT(("SeedDataFolder: cannot copy \"" + files.filePath() + "\" to \"" + to + '"')
                          .toStdString());
            continue;
        }
        // Shipped files are read-only where they are installed; the copy is the user's.
        QFile::setPermissions(to, QFile::permissions(to) | QFile::WriteOwner);
    }
}
