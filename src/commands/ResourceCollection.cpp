// Copying the plan's sound files to a folder and naming them there.
#include "commands/ResourceCollection.h"

#include "commands/CommandHost.h"
#include "commands/DialogState.h"
#include "commands/FileCopying.h"
#include "commands/ResourceSwap.h"
#include "model/Arrangement.h"
#include "support/Report.h"
#include "support/SettingKeys.h"
#include "support/Stopwatch.h"
#include "texts/Parlance.h"
#include "texts/ReportElapsed.h"
#include "texts/TextFormat.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace {

constexpr int kTextNotCollected = 162;
constexpr int kTextFilesCopied = 167;
constexpr int kTextCollectTitle = 265;
constexpr int kTextNotFound = 275;
constexpr int kTextCollectedIn = 344;
constexpr int kTextMissing = 346;
constexpr int kTextSameName = 175;
constexpr int32_t kChangeResourcesFolder = 259;

struct Collected {
    TRes* resource;
    QString target;
};

// The plan names the collected files in their new place; the old resources go.
bool renameCollected(Arrangement& arrangement, const std::vector<Collected>& collected,
                     const std::vector<bool>& done, const QString& defaultFolder) {
    bool renamed = false;
    for (size_t i = 0; i < collected.size(); ++i) {
        TRes& old = *collected[i].resource;
        if (!done[i] || old.Name == collected[i].target)
            continue;
        // Read from disk here, before the swap takes the mix lock.
        TRes* now = arrangement.resources.FindOrAdd(
            collected[i].target, PlanResourceFolders(arrangement.plan, defaultFolder));
        if (!now || now == &old)
            continue;
        ReplaceResource(arrangement, old, *now);
        renamed = true;
    }
    return renamed;
}

} // namespace

void CollectResources(const ProgramLinks& links) {
    Arrangement& arrangement = links.arrangement;
    TWideCustomIniFile& settings = links.settings;
    const SettingKey& folderKey = Setting("Resources", "CollectInFolder");
    QString start = ReadSettingText(settings, folderKey);
    if (start.isEmpty())
        start = arrangement.plan.Folder();
    QString folder;
    {
        const DialogState state(links.host);
        folder = links.programDialogs.AskFolder(Text(kTextCollectTitle), start);
    }
    if (folder.isEmpty())
        return;
    if (!folder.endsWith('/'))
        folder += '/';
    int64_t mark = links.stopwatch.Read();
    WriteSettingText(settings, folderKey, folder);

    std::vector<FileCopy> copies;
    std::vector<Collected> collected;
    QSet<QString> targets;
    int missing = 0;
    for (int i = 0; i < arrangement.resources.Count(); ++i) {
        TRes& resource = arrangement.resources.At(i);
        const QFileInfo file(resource.FullName);
        if (!file.isFile()) {
            ++missing;
            Report(QString(), Text(kTextNotFound) + '"' + resource.Name + '"', true);
            continue;
        }
        const QString target = folder + file.fileName();
        // Two files of one name would land on each other: the first one is collected.
        if (targets.contains(target)) {
            ++missing;
            Report(QString(), Text(kTextSameName) + '"' + resource.FullName + '"', true);
            continue;
        }
        targets.insert(target);
        copies.push_back({resource.FullName, target});
        collected.push_back({&resource, target});
    }

    const CopyOutcome outcome =
        CopyFiles(copies, links.programDialogs, {Text(kTextCollectTitle), true, true});
    if (outcome.cancelled || outcome.failed > 0) {
        Report(Text(kTextNotCollected), QString(), true);
        links.host.ShowReport();
    } else {
        const auto collectedCount = std::count(outcome.done.begin(), outcome.done.end(), true);
        QString message = FormatText(kTextFilesCopied, {QString::number(collectedCount)});
        if (missing > 0) {
            message += ", " + QString::number(missing) + ' ' + Text(kTextMissing);
            links.host.ShowReport();
        }
        ReportElapsed(links.stopwatch, FormatText(kTextCollectedIn, {folder}) + message, mark);
    }
    // The plan's sounds change places under a running render only when it may stop.
    if (!links.confirmStopPerpetuations())
        return;
    if (renameCollected(arrangement, collected, outcome.done,
                        ReadDefaultResourcesFolder(settings))) {
        arrangement.plan.SetModified(kChangeResourcesFolder, true);
        links.host.RefreshTitle();
    }
}
