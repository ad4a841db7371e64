// The save with backup: the plan kept under its own name, the file it replaces copied first.
#pragma once

#include <QString>

#include <cstdint>

class Arrangement;
class TGenericStopwatch;

// The plan's file is first copied over the backup file; a plan read from an older text form is
// kept as text version 2. When an existing file cannot be backed up, or sideCopy is asked for,
// the plan goes to a copy beside its file and the file stays as it was. With reporting, the
// mark is taken, and the save and a failed backup are reported. True when the plan was written.
bool SaveWithBackup(Arrangement& arrangement, const QString& backupFile, bool sideCopy,
                    bool reporting, const TGenericStopwatch& stopwatch, int64_t& mark);

// The report line of a plan written to a file, with the time since the mark.
void ReportPlanSaved(const TGenericStopwatch& stopwatch, const QString& file, int64_t mark);
