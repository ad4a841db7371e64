// The commands on the plan's sound files as a whole and on their folders.
#pragma once

#include "commands/ProgramCommandLinks.h"

// UI thread only.
class ResourceCommands {
public:
    explicit ResourceCommands(const ProgramLinks& links) : m_links(links) {}

    void BrowseResourcesFolder();
    void ChoosePlanResourcesFolder();
    void ChooseDefaultResourcesFolder();
    void CopyResourceList();
    void ShowResourceProperties();
    void ShowResourcesInfo();
    // Every sound file is read again, as it is on disk now.
    void ReloadResources();
    // The sound files no ball or lane uses go; renders that hold files in memory stop first, if
    // the user agrees.
    void PurgeResources();

private:
    // The folder dialog inside the dialog state; empty on cancel. A chosen folder ends in "/".
    QString askFolder(int titleText, const QString& start);

    ProgramLinks m_links;
};
