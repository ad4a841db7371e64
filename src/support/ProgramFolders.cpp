// The program's folder layout, derived from the executable's path.
#include "support/ProgramFolders.h"

#include <QFileInfo>

ProgramFolders ProgramFolders::ForExecutable(const QString& exeName) {
    ProgramFolders f;
    f.executable = QFileInfo(exeName).absoluteFilePath();
    f.programFolder = QFileInfo(exeName).absolutePath() + "/";
    f.dataFolder = f.programFolder + "data/";
    f.defaultInteriorFolder = f.programFolder + "interior/Default/";
    f.settingsFile = f.dataFolder + "glorinbax.ini";
    f.snapshotFile = f.dataFolder + "snapshot.bmp";
    f.instructionsPrefix = f.dataFolder + "parlance/instructions_";
    f.nomenclaturePrefix = f.dataFolder + "parlance/nomenclature_";
    return f;
}
