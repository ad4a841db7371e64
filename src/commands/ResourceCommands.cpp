// The sound files' folders, their list, their facts, and letting the unused ones go.
#include "commands/ResourceCommands.h"

#include "commands/CommandHost.h"
#include "commands/CommandIds.h"
#include "commands/DialogState.h"
#include "commands/PlanDialogs.h"
#include "commands/QtPlanDialogs.h"
#include "commands/ResourceSwap.h"
#include "model/Arrangement.h"
#include "model/ResourceTidy.h"
#include "support/SettingKeys.h"
#include "texts/Parlance.h"

#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <vector>

namespace {

constexpr int kTextHeldInMemory = 14;
constexpr int32_t kChangeResourcesFolder = 259;
constexpr int kTextChooseFolder = 260;
constexpr int kTextSoundFiles = 169;
constexpr int kTextNotReadable = 170;

QString withSlash(const QString& folder) {
    return folder.endsWith('/') ? folder : folder + '/';
}

QString firstOf(std::initializer_list<QString> folders) {
    for (const QString& folder : folders)
        if (!folder.isEmpty())
            return folder;
    return {};
}

} // namespace

QString ResourceCommands::askFolder(int titleText, const QString& start) {
    const DialogState state(m_links.host);
    const QString chosen = m_links.programDialogs.AskFolder(Text(titleText), start);
    return chosen.isEmpty() ? chosen : withSlash(chosen);
}

void ResourceCommands::BrowseResourcesFolder() {
    const QString folder = firstOf(
        {m_links.arrangement.plan.ResourcesFolder, ReadDefaultResourcesFolder(m_links.settings)});
    if (!folder.isEmpty())
        m_links.programDialogs.OpenFolder(folder);
}

void ResourceCommands::ChoosePlanResourcesFolder() {
    TThePlan& plan = m_links.arrangement.plan;
    if (m_links.shiftHeld()) {
        if (plan.ResourcesFolder.isEmpty())
            return;
        plan.ResourcesFolder.clear();
    } else {
        const QString chosen =
            askFolder(kTextChooseFolder,
                      firstOf({plan.ResourcesFolder, ReadDefaultResourcesFolder(m_links.settings),
                               plan.Folder()}));
        if (chosen.isEmpty() || chosen == plan.ResourcesFolder)
            return;
        plan.ResourcesFolder = chosen;
    }
    plan.SetModified(kChangeResourcesFolder, true);
    m_links.host.RefreshTitle();
}

void ResourceCommands::ChooseDefaultResourcesFolder() {
    const SettingKey& key = Setting("Resources", "DefaultFolder");
    const QString current = ReadDefaultResourcesFolder(m_links.settings);
    if (m_links.shiftHeld()) {
        if (!current.isEmpty())
            WriteSettingText(m_links.settings, key, QString());
        return;
    }
    const TThePlan& plan = m_links.arrangement.plan;
    const QString chosen =
        askFolder(kTextChooseFolder, firstOf({current, plan.ResourcesFolder, plan.Folder()}));
    if (!chosen.isEmpty())
        WriteSettingText(m_links.settings, key, chosen);
}

void ResourceCommands::CopyResourceList() {
    const TResources& resources = m_links.arrangement.resources;
    QStringList names;
    for (int i = 0; i < resources.Count(); ++i)
        names << resources.At(i).FullName;
    if (!m_links.shiftHeld())
        std::sort(names.begin(), names.end());
    m_links.desktop.SetClipboardText(names.join('\n'));
}

void ResourceCommands::ShowResourceProperties() {
    const TResources& resources = m_links.arrangement.resources;
    if (resources.Count() == 0)
        return;
    QStringList facts;
    for (int i = 0; i < resources.Count(); ++i)
        facts << FileFactsText(resources.At(i).FullName);
    const DialogState state(m_links.host);
    m_links.dialogs.ShowInformation(DialogCaption(cmd::kShowResourceProperties),
                                    facts.join(QStringLiteral("\n\n")));
}

void ResourceCommands::ShowResourcesInfo() {
    const TResources& resources = m_links.arrangement.resources;
    int inMemory = 0;
    int unreadable = 0;
    qint64 memoryBytes = 0;
    for (int i = 0; i < resources.Count(); ++i) {
        const TRes& resource = resources.At(i);
        inMemory += resource.InMemory;
        memoryBytes += resource.MemoryImage.size();
        unreadable += resource.Life < 0;
    }
    const QLocale locale = QLocale::system();
    const QString text = GetText(kTextSoundFiles) + ": " + QString::number(resources.Count()) +
                         '\n' + GetText(kTextHeldInMemory) + ": " + QString::number(inMemory) +
                         " (" + locale.formattedDataSize(memoryBytes) + ")\n" +
                         GetText(kTextNotReadable) + ": " + QString::number(unreadable);
    const DialogState state(m_links.host);
    m_links.dialogs.ShowInformation(DialogCaption(cmd::kShowResourcesInfo), text);
}

void ResourceCommands::ReloadResources() {
    // A running render plays the sounds that are about to go.
    if (!m_links.confirmStopPerpetuations())
        return;
    Arrangement& arrangement = m_links.arrangement;
    TResources& resources = arrangement.resources;
    std::vector<TRes*> loaded;
    for (int i = 0; i < resources.Count(); ++i)
        loaded.push_back(&resources.At(i));
    const ResourceFolders folders =
        PlanResourceFolders(arrangement.plan, ReadDefaultResourcesFolder(m_links.settings));
    // A fresh resource of the same name takes each one's place: the channels that play the old
    // one stop before it goes.
    for (TRes* old : loaded)
        if (TRes* fresh = resources.Add(old->Name, folders))
            ReplaceResource(arrangement, *old, *fresh);
}

void ResourceCommands::PurgeResources() {
    const TResources& resources = m_links.arrangement.resources;
    bool heldInMemory = false;
    for (int i = 0; i < resources.Count(); ++i)
        heldInMemory = heldInMemory || !resources.At(i).MemoryImage.isEmpty();
    if (heldInMemory && m_links.rendersRunning() && !m_links.confirmStopPerpetuations())
        return;
    TidyResources(m_links.arrangement);
}
