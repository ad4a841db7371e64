// Backing up the plan's file before it is replaced.
#include "commands/PlanSaving.h"

#include "model/Arrangement.h"
#include "planfile/PlanOperations.h"
#include "support/Report.h"
#include "support/Stopwatch.h"
#include "texts/Parlance.h"
#include "texts/ReportElapsed.h"
#include "texts/TextFormat.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr int kTextBackupFailed = 357;
constexpr int kTextSaved = 339;

bool copyOver(const QString& from, const QString& to) {
    QFile::remove(to);
    return QFile::copy(from, to);
}

// A copy keeps the permissions of the plan file; the next backup must be able to replace it.
void makeWritable(const QString& file) {
    if (QFileInfo::exists(file))
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                        QFile::WriteUser);
}

} // namespace

bool SaveWithBackup(Arrangement& arrangement, const QString& backupFile, bool sideCopy,
                    bool reporting, const TGenericStopwatch& stopwatch, int64_t& mark) {
    TThePlan& plan = arrangement.plan;
    if (reporting)
        mark = stopwatch.Read();
    // The oldest form and text version 1 have no writer of their own: what is written is text
    // version 2, and the plan says so.
    if (plan.FileFormat == kFormatTextVersion1 || plan.FileFormat == kFormatOldest)
        plan.FileFormat = kFormatText;
    if (QFileInfo::exists(plan.FileName) && !copyOver(plan.FileName, backupFile)) {
        makeWritable(backupFile);
        if (!copyOver(plan.FileName, backupFile)) {
            if (reporting)
                Report(Text(kTextBackupFailed) + '"' + backupFile + '"', plan.FileName, true);
            sideCopy = true;
        }
    }
    makeWritable(backupFile);
    QString writtenTo;
    const bool saved = SavePlan(arrangement, plan.FileName, plan.FileFormat, sideCopy, &writtenTo);
    if (saved && reporting)
        ReportPlanSaved(stopwatch, writtenTo, mark);
    return saved;
}

void ReportPlanSaved(const TGenericStopwatch& stopwatch, const QString& file, int64_t mark) {
    ReportElapsed(stopwatch, FormatText(kTextSaved, {file}), mark);
}
