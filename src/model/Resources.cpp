// Finding sound files by name and sharing them between pieces.
#include "model/Resources.h"

#include "model/AudioHooks.h"
#include "model/Plan.h"
#include "support/PathText.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

ResourceFolders PlanResourceFolders(const TThePlan& plan, const QString& defaultFolder) {
    return {plan.Folder(), plan.ResourcesFolder, defaultFolder};
}

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

int64_t TRes::Frames() const {
    return SampleBytes > 0 && Life > 0 ? Life / (int64_t{SampleBytes} * 2) : 0;
}

double TRes::DurationMs() const {
    // Frames count at the mix's rate; the file's own rate is Rate / RateRatio of it.
    if (Rate == 0 || RateRatio <= 0)
        return 0.0;
    return static_cast<double>(Frames() * RateRatio / Rate * 1000.0L);
}

TRes* TResources::Add(const QString& name, const ResourceFolders& folders) {
    if (name.isEmpty())
        return nullptr;
    m_resources.push_back(std::make_unique<TRes>(name, ResolveResourcePath(name, folders)));
    TRes& added = *m_resources.back();
    // The first of a name stays the one found.
    if (!m_byName.contains(name))
        m_byName.insert(name, &added);
    m_audio.OpenResource(added);
    return &added;
}

TRes* TResources::FindOrAdd(const QString& name, const ResourceFolders& folders) {
    if (TRes* found = Find(name))
        return found;
    return Add(name, folders);
}

TRes* TResources::FindOrAddSound(const QString& name, const ResourceFolders& folders) {
    TRes* resource = Find(name);
    const bool madeHere = !resource;
    if (madeHere)
        resource = Add(name, folders);
    else if (resource->Life < 0)
        m_audio.OpenResource(*resource);
    if (!resource || resource->Life >= 0)
        return resource;
    if (madeHere)
        Delete(*resource);
    return nullptr;
}

void TResources::Delete(TRes& resource) {
    m_audio.ForgetResource(resource);
    const auto found = std::find_if(m_resources.begin(), m_resources.end(),
                                    [&](const auto& held) { return held.get() == &resource; });
    if (found == m_resources.end())
        return;
    std::unique_ptr<TRes> gone = std::move(*found);
    m_resources.erase(found);
    if (m_byName.value(gone->Name) == gone.get()) {
        m_byName.remove(gone->Name);
        for (const auto& other : m_resources) {
            if (other->Name == gone->Name) {
                m_byName.insert(other->Name, other.get());
                break;
            }
        }
    }
}
