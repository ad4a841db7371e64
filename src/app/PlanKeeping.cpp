// The save with backup and the keep-as step.
#include "app/PlanKeeping.h"

#include "model/Arrangement.h"
#include "planfile/PlanOperations.h"
#include "support/Report.h"
#include "support/Stopwatch.h"
#include "texts/Parlance.h"
#include "texts/PlanNames.h"
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
                    bool reporting, const TGenericStopwatch& stopwatch) {
    TThePlan& plan = arrangement.plan;
    int64_t mark = stopwatch.Read();
    if (plan.FileFormat == kFormatTextVersion1)
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
        ReportElapsed(stopwatch, FormatText(kTextSaved, {writtenTo}), mark);
    return saved;
}

bool KeepPlanAs(Arrangement& arrangement, PlanNameQuestion& question,
                const TGenericStopwatch& stopwatch) {
    TThePlan& plan = arrangement.plan;
    QString fileName = plan.Untitled ? RandomPlanName(arrangement.balls.Count()) : plan.FileName;
    int filterIndex = plan.FileFormat == kFormatBinary ? 1 : 2;
    if (!question.AskPlanFile(fileName, filterIndex) || fileName.isEmpty())
        return false;
    int64_t mark = stopwatch.Read();
    const int32_t format = filterIndex == 1 ? kFormatBinary : kFormatText;
    if (!SavePlan(arrangement, fileName, format, false))
        return false;
    plan.FileFormat = format;
    plan.FileName = fileName;
    plan.Untitled = false;
    plan.ClearModified();
    arrangement.window.TitleChanged();
    ReportElapsed(stopwatch, FormatText(kTextSaved, {fileName}), mark);
    return true;
}
