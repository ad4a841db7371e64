// The program and window commands, and the registration of the resource commands.
#include "commands/ProgramCommands.h"

#include "commands/CommandIds.h"
#include "commands/CommandTable.h"
#include "commands/DialogState.h"
#include "commands/EditorialProgram.h"
#include "commands/PlanDialogs.h"
#include "commands/ResourceCollection.h"
#include "commands/ResourceCommands.h"
#include "commands/SelfReproduction.h"
#include "commands/Snapshot.h"
#include "support/FaultLog.h"
#include "support/ProgramFolders.h"
#include "support/Report.h"
#include "texts/Parlance.h"

#include <memory>

namespace {

constexpr int kTextNotWritten = 165;

void takeScreenshot(const ProgramLinks& links) {
    const QString& file = links.folders.snapshotFile;
    if (SaveSnapshot(links.window.ClientImage(), file).isEmpty())
        Report('"' + FreeSnapshotName(file) + '"', Text(kTextNotWritten), true);
}

void reloadAudio(const ProgramLinks& links) {
    if (!links.confirmStopPerpetuations() || links.window.Busy())
        return;
    try {
        links.window.ReloadAudio();
    } catch (const std::exception& e) {
        GBX_FAULT_CAUGHT("ReloadBassDLL", e);
    }
}

void showProgramProperties(const ProgramLinks& links) {
    const DialogState state(links.host);
    links.dialogs.ShowProperties(links.folders.executable);
}

} // namespace

void AddProgramCommands(CommandTable& main, const ProgramLinks& links) {
    main.Add(cmd::kSwitchFullScreen, [&window = links.window] { window.SwitchFullScreen(); });
    main.Add(cmd::kTakeScreenshot, [links] { takeScreenshot(links); });
    main.Add(cmd::kShowProgramInFolder,
             [links] { links.desktop.ShowInFolder(links.folders.executable); });
    main.Add(cmd::kShowProgramProperties, [links] { showProgramProperties(links); });
    main.Add(cmd::kReloadBassDLL, [links] { reloadAudio(links); });
    main.Add(cmd::kSwitchReport, [&window = links.window] { window.SwitchReport(); });
    main.Add(cmd::kSelfReproduce, [links] { SelfReproduce(links); });

    main.Add(cmd::kChooseEditorialProgram,
             [links] { ChooseEditorialProgram(links.dialogs, links.host, links.settings); });
    main.Add(cmd::kRunEditorialProgram,
             [links] { StartEditorialProgram(links.desktop, links.settings, {}); });
    main.Add(cmd::kCollectResources, [links] { CollectResources(links); });

    const auto resources = std::make_shared<ResourceCommands>(links);
    const auto add = [&main, resources](int id, void (ResourceCommands::*work)()) {
        main.Add(id, [resources, work] { (resources.get()->*work)(); });
    };
    add(cmd::kBrowseResourcesFolder, &ResourceCommands::BrowseResourcesFolder);
    add(cmd::kChoosePlanResourcesFolder, &ResourceCommands::ChoosePlanResourcesFolder);
    add(cmd::kChooseDefaultResourcesFolder, &ResourceCommands::ChooseDefaultResourcesFolder);
    add(cmd::kCopyResourceList, &ResourceCommands::CopyResourceList);
    add(cmd::kShowResourceProperties, &ResourceCommands::ShowResourceProperties);
    add(cmd::kShowResourcesInfo, &ResourceCommands::ShowResourcesInfo);
    add(cmd::kReloadResources, &ResourceCommands::ReloadResources);
    add(cmd::kPurgeResources, &ResourceCommands::PurgeResources);
}
