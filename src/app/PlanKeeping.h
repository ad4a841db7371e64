// Keeping the plan: under its own name with a backup of the file it replaces, or under a name
// the user gives.
#pragma once

#include <QString>

class Arrangement;
class TGenericStopwatch;

// The save with backup: the plan's file is first copied over the backup file. When an existing
// file cannot be backed up, or sideCopy is asked for, the plan goes to a copy beside its file
// and the file stays as it was. With reporting, the save and a failed backup are reported. True
// when the plan was written.
bool SaveWithBackup(Arrangement& arrangement, const QString& backupFile, bool sideCopy,
                    bool reporting, const TGenericStopwatch& stopwatch);

// Where the user wants the plan kept. UI thread.
class PlanNameQuestion {
public:
    virtual ~PlanNameQuestion() = default;
    // The save dialog: fileName comes in proposed and goes out chosen; filter 1 is the binary
    // form, 2 the text form. False when the user cancels.
    virtual bool AskPlanFile(QString& fileName, int& filterIndex) = 0;
};

// Asks for a name, proposing a random one for an untitled plan, and saves the plan there (binary
// for filter 1, else text). On success the file is the plan's, the plan is titled and unchanged,
// and the save is reported. False when nothing was written.
bool KeepPlanAs(Arrangement& arrangement, PlanNameQuestion& question,
                const TGenericStopwatch& stopwatch);
