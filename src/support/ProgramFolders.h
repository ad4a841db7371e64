// Where the program, its data and its settings live; fixed once at start-up.
#pragma once

#include <QString>

struct ProgramFolders {
    QString executable;            // full path of the running program
    QString programFolder;         // folder of the executable, ending in "/"
    QString dataFolder;            // programFolder + "data/"
    QString defaultInteriorFolder; // programFolder + "interior/Default/"
    QString settingsFile;          // dataFolder + "glorinbax.ini"
    QString snapshotFile;          // dataFolder + "snapshot.bmp"
    QString instructionsPrefix;    // dataFolder + "parlance/instructions_"
    QString nomenclaturePrefix;    // dataFolder + "parlance/nomenclature_"

    static ProgramFolders ForExecutable(const QString& exeName);
};
