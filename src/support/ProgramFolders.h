// Where the program, its data and its settings live; fixed once at start-up.
#pragma once

#include <QString>

struct ProgramFolders {
    QString executable;            // full path of the running program
    QString programFolder;         // folder of the executable, ending in "/"
    QString shippedDataFolder;     // programFolder + "data/": what the program comes with
    QString dataFolder;            // the shipped one, or the user's one for an installed program
    QString defaultInteriorFolder; // programFolder + "interior/Default/"
    QString settingsFile;          // dataFolder + "glorinbax.ini"
    QString snapshotFile;          // dataFolder + "snapshot.bmp"
    QString instructionsPrefix;    // dataFolder + "parlance/instructions_"
    QString nomenclaturePrefix;    // dataFolder + "parlance/nomenclature_"

    // A program folder the user may write in (a portable copy) keeps its data beside the program;
    // an installed one keeps it in $XDG_DATA_HOME/glorinbax/ (~/.local/share/glorinbax/).
    static ProgramFolders ForExecutable(const QString& exeName);
    static ProgramFolders ForExecutable(const QString& exeName, bool programFolderWritable);
};

// Copies into the user's data folder each shipped file it lacks (the texts, the demo), so that
// an installed program finds them there; a file already there is the user's and stays. Does
// nothing when the data folder is the shipped one. A failed copy is a fault; the program goes on.
void SeedDataFolder(const ProgramFolders& folders);
