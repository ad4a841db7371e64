// Copying a list of files with progress, asking before a file is replaced.
#pragma once

#include <QString>

#include <vector>

class ProgramDialogs;

struct FileCopy {
    QString from;
    QString to;
};

struct CopyOutcome {
    // Per file of the list: it is at its target now (copied, or the target is the file itself).
    std::vector<bool> done;
    int copied = 0;
    bool cancelled = false;
    // Files that could not be read or written; the report has a line for each.
    int failed = 0;
};

struct CopyOptions {
    QString title;        // of the progress display
    bool progress = true; // show the progress display
    // Progress after every portion of a file rather than after whole files.
    bool inPortions = true;
};

// Both names lead to one existing file or folder.
bool SameFile(const QString& a, const QString& b);

// Copies in list order; a target that exists is replaced only when the user says so, and a
// cancel stops the copy, leaving no partly written file. Permissions go with the files.
// UI thread only.
CopyOutcome CopyFiles(const std::vector<FileCopy>& files, ProgramDialogs& dialogs,
                      const CopyOptions& options);
