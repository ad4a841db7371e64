#include "app/AutoSaveRecovery.h"

#include "commands/PlanOpening.h"
#include "model/Arrangement.h"
#include "planfile/PlanOperations.h"
#include "support/Report.h"
#include "texts/Parlance.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

// Text 350 names the change.
constexpr int32_t kChangeRestoredFromAutoSave = 350;

} // namespace

QString AutoSaveFileIn(const QString& dataFolder) {
    const QString& name = Text(319);
    return name.isEmpty() ? QString() : dataFolder + name;
}

QString BesideAutoSave(const QString& autoSaveFile, const QString& ending) {
    const QFileInfo info(autoSaveFile);
    return info.path() + QLatin1Char('/') + info.completeBaseName() + ending;
}

QString AutoSaveRecordFile(const QString& autoSaveFile) {
    return BesideAutoSave(autoSaveFile, QStringLiteral(".txt"));
}

QString GuestAutoSaveFile(const QString& autoSaveFile) {
    return BesideAutoSave(autoSaveFile, QStringLiteral("-%1.%2")
                                            .arg(QCoreApplication::applicationPid())
                                            .arg(QFileInfo(autoSaveFile).suffix()));
}

bool WriteAutoSaveRecord(const QString& autoSaveFile, const QString& planFile) {
    return WriteFileReplacing(AutoSaveRecordFile(autoSaveFile), planFile.toUtf8() + '\n').isEmpty();
}

void RemoveAutoSaveRecord(const QString& autoSaveFile) {
    if (!autoSaveFile.isEmpty())
        QFile::remove(AutoSaveRecordFile(autoSaveFile));
}

std::unique_ptr<QLockFile> TakeAutoSaveLock(const QString& autoSaveFile) {
    if (autoSaveFile.isEmpty())
        return nullptr;
    auto lock = std::make_unique<QLockFile>(BesideAutoSave(autoSaveFile, QStringLiteral(".lock")));
    // Only a run that is gone leaves a stale lock, however long the live one has been running.
    lock->setStaleLockTime(0);
    return lock->tryLock(0) ? std::move(lock) : nullptr;
}

std::optional<RecoverableSave> FindRecoverableSave(const QString& autoSaveFile) {
    QFile record(AutoSaveRecordFile(autoSaveFile));
    const QFileInfo saved(autoSaveFile);
    if (!saved.isFile() || !record.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString planFile = QString::fromUtf8(record.readLine()).trimmed();
    const QFileInfo plan(planFile);
    if (!planFile.isEmpty() && plan.isFile() && plan.lastModified() >= saved.lastModified())
        return std::nullopt;
    return RecoverableSave{autoSaveFile, planFile, saved.lastModified()};
}

QString KeepAutoSaveAside(const RecoverableSave& save) {
    const QString aside = BesideAutoSave(
        save.autoSaveFile, save.savedAt.toString(QStringLiteral("-yyyyMMdd-HHmmss.")) +
                               QFileInfo(save.autoSaveFile).suffix());
    return QFile::rename(save.autoSaveFile, aside) ? aside : QString();
}

bool RestoreAutoSave(Arrangement& arrangement, const RecoverableSave& save,
                     const PlanFileSettings& settings) {
    const ReplacingPlan replacing(arrangement.recorder);
    StartNewPlan(arrangement);
    if (!LoadPlan(arrangement, save.autoSaveFile, settings))
        return false;
    TThePlan& plan = arrangement.plan;
    plan.Untitled = save.planFile.isEmpty();
    plan.FileName = plan.Untitled ? Text(29) : save.planFile;
    plan.SetModified(kChangeRestoredFromAutoSave, true);
    arrangement.window.TitleChanged();
    Report(plan.FileName, Text(kChangeRestoredFromAutoSave), false);
    return true;
}
