// The program copied with its libraries, settings, language files and styles.
#include "commands/SelfReproduction.h"

#include "commands/CommandHost.h"
#include "commands/DialogState.h"
#include "commands/PlanDialogs.h"
#include "support/ProgramFolders.h"
#include "support/Report.h"
#include "support/SettingKeys.h"
#include "support/Stopwatch.h"
#include "texts/Parlance.h"
#include "texts/ReportElapsed.h"
#include "texts/TextFormat.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace {

constexpr int kTextDefaultSuffix = 2;
constexpr int kTextTitle = 160;
constexpr int kTextFilter = 161;
constexpr int kTextOntoItself = 163;
constexpr int kTextFilesCopied = 164;
constexpr int kProgramAloneFilter = 2;

// Every file under `folder`, to the same relative place under `to`.
void addTree(std::vector<FileCopy>& list, const QString& folder, const QString& to) {
    const QDir from(folder);
    QDirIterator files(folder, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        list.push_back({file, QDir(to).filePath(from.relativeFilePath(file))});
    }
}

} // namespace

std::vector<FileCopy> ProgramCopyList(const ProgramFolders& folders, const QString& target,
                                      bool whole) {
    std::vector<FileCopy> list{{folders.executable, target}};
    if (!whole)
        return list;
    const QDir to = QFileInfo(target).absoluteDir();
    const QDir program(folders.programFolder);
    for (const QFileInfo& library :
         program.entryInfoList({QStringLiteral("*.so"), QStringLiteral("*.so.*")}, QDir::Files))
        list.push_back({library.absoluteFilePath(), to.filePath(library.fileName())});
    const QString data = to.filePath(QStringLiteral("data"));
    if (QFileInfo(folders.settingsFile).isFile())
        list.push_back({folders.settingsFile,
                        QDir(data).filePath(QFileInfo(folders.settingsFile).fileName())});
    addTree(list, folders.dataFolder + "parlance", QDir(data).filePath(QStringLiteral("parlance")));
    addTree(list, folders.programFolder + "interior", to.filePath(QStringLiteral("interior")));
    return list;
}

void SelfReproduce(const ProgramLinks& links) {
    TWideCustomIniFile& settings = links.settings;
    const SettingKey& pathKey = Setting("ProgramRinger", "FilePath");
    QString target = ReadSettingText(settings, pathKey);
    if (target.isEmpty())
        target = links.folders.executable;
    int filter = 1;
    {
        const DialogState state(links.host);
        if (!links.dialogs.AskSaveFile(
                {Text(kTextTitle), Text(kTextFilter), Text(kTextDefaultSuffix), QString()}, target,
                filter))
            return;
    }
    WriteSettingText(settings, pathKey, target);
    // Every file would be copied onto itself.
    if (SameFile(QFileInfo(target).absolutePath(), links.folders.programFolder)) {
        Report('"' + QFileInfo(target).absolutePath() + '"', Text(kTextOntoItself), true);
        links.host.ShowReport();
        return;
    }
    int64_t mark = links.stopwatch.Read();
    const CopyOptions options{
        Text(kTextTitle), ReadSettingBool(settings, Setting("ProgramRinger", "DisplayProgress")),
        ReadSettingBool(settings, Setting("ProgramRinger", "InPortions"))};
    const CopyOutcome outcome =
        CopyFiles(ProgramCopyList(links.folders, target, filter != kProgramAloneFilter),
                  links.programDialogs, options);
    ReportElapsed(links.stopwatch, FormatText(kTextFilesCopied, {QString::number(outcome.copied)}),
                  mark);
    // Each file that failed has its line in the report.
    if (outcome.failed > 0 || outcome.cancelled)
        links.host.ShowReport();
}
