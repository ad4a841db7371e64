// Sound resources as the plan names them, and the list that shares them between pieces.
#pragma once

#include <QHash>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class AudioHooks;

// Where a sound file that is not found under its own name is looked for, in this order:
// the plan file's folder, the plan's resources folder, the program's default folder.
struct ResourceFolders {
    QString planFolder;
    QString resourcesFolder;
    QString defaultFolder;
};

// The file a resource name stands for: the name itself when that file exists (names written on
// Windows get "/" separators), else its last component in one of the folders, else the name made
// absolute against the current folder.
QString ResolveResourcePath(const QString& name, const ResourceFolders& folders);

// One sound file, shared by every piece that names it. The audio side fills the measured facts.
class TRes {
public:
    TRes(QString name, QString fullName) : Name(std::move(name)), FullName(std::move(fullName)) {}

    const QString Name;     // as the plan gives it; the key of the list
    const QString FullName; // the file used for all access
    int64_t Life = -1;      // length on the mix scale; -1 until measured
    int32_t Tracks = 0;     // the file's channel count; 0 until measured
};

// Owns the resources of the loaded plan. UI thread only.
class TResources {
public:
    explicit TResources(AudioHooks& audio) : m_audio(audio) {}

    // The first resource whose name equals the given one, case-sensitively.
    TRes* Find(const QString& name) const;
    // The resource of that name, created, appended and opened when missing; none for an
    // empty name.
    TRes* FindOrAdd(const QString& name, const ResourceFolders& folders);

    int Count() const { return static_cast<int>(m_resources.size()); }
    TRes& At(int index) const { return *m_resources.at(index); }

private:
    AudioHooks& m_audio;
    std::vector<std::unique_ptr<TRes>> m_resources;
    QHash<QString, TRes*> m_byName;
};
