// The automatic save after a run that did not end normally: a record beside it names the plan it
// belongs to while the run goes on, and the next start offers it back when it is newer than that
// plan's file. The automatic save itself is never deleted here.
#pragma once

#include <QDateTime>
#include <QString>

#include <QLockFile>

#include <memory>
#include <optional>

class Arrangement;
struct PlanFileSettings;

// The automatic save's file in the data folder (text 319 names it); empty when switched off.
QString AutoSaveFileIn(const QString& dataFolder);
// A file beside the automatic save: its name without the extension, then the ending.
QString BesideAutoSave(const QString& autoSaveFile, const QString& ending);
// The record: the automatic save's name with ".txt" for its ending, in the same folder.
QString AutoSaveRecordFile(const QString& autoSaveFile);
// Where a run beside the one that holds the lock saves automatically: the name with the
// process id, so that neither writes over the other's.
QString GuestAutoSaveFile(const QString& autoSaveFile);
// After each automatic save; planFile is empty for an untitled plan. False when not written.
bool WriteAutoSaveRecord(const QString& autoSaveFile, const QString& planFile);
// At a normal end, whatever became of the plan.
void RemoveAutoSaveRecord(const QString& autoSaveFile);

// Held by the interactive run that owns the automatic save and its record for as long as it runs:
// a second run beside it neither offers the first one's live save nor removes its record, and
// saves under a name of its own. None for the second run, or when automatic saves are off; a
// lock of a run that died is taken over.
std::unique_ptr<QLockFile> TakeAutoSaveLock(const QString& autoSaveFile);

struct RecoverableSave {
    QString autoSaveFile;
    QString planFile; // empty: the plan had no file
    QDateTime savedAt;
};

// When the record was left behind and the automatic save is newer than the plan's file (or the
// plan had no file, or it is gone).
std::optional<RecoverableSave> FindRecoverableSave(const QString& autoSaveFile);

// After the user declined it: the automatic save renamed with its time, so that the next
// automatic save does not write over it. The new name, or empty when it could not be renamed.
QString KeepAutoSaveAside(const RecoverableSave& save);

// Loads the automatic save as the plan, under the plan's own name and changed, so that the next
// save writes it there. False when it cannot be read.
bool RestoreAutoSave(Arrangement& arrangement, const RecoverableSave& save,
                     const PlanFileSettings& settings);
