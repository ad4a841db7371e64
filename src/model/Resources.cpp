// Finding sound files by name and sharing them between pieces.
#include "model/Resources.h"

#include "model/AudioHooks.h"
#include "support/PathText.h"

#include <QDir>
#include <QFileInfo>

QString ResolveResourcePath(const QString& name, const ResourceFolders& folders) {
    const QString path = ToLinuxSeparators(name);
    if (QFileInfo::exists(path))
        return QFileInfo(path).absoluteFilePath();
    const QString lastComponent = QFileInfo(path).fileName();
    if (!lastComponent.isEmpty()) {
        for (const QString& folder :
             {folders.planFolder, folders.resourcesFolder, folders.defaultFolder}) {
            if (folder.isEmpty())
                continue;
            const QString candidate = QDir(ToLinuxSeparators(folder)).filePath(lastComponent);
            if (QFileInfo::exists(candidate))
                return QFileInfo(candidate).absoluteFilePath();
        }
    }
    return QFileInfo(path).absoluteFilePath();
}

TRes* TResources::Find(const QString& name) const {
    return m_byName.value(name, nullptr);
}

TRes* TResources::FindOrAdd(const QString& name, const ResourceFolders& folders) {
    if (name.isEmpty())
        return nullptr;
    if (TRes* found = Find(name))
        return found;
    m_resources.push_back(std::make_unique<TRes>(name, ResolveResourcePath(name, folders)));
    TRes& added = *m_resources.back();
    m_byName.insert(name, &added);
    m_audio.OpenResource(added);
    return &added;
}
