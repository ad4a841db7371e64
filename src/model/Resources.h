// Sound resources as the plan names them, and the list that shares them between pieces.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class AudioHooks;
class TThePlan;

// Where a sound file that is not found under its own name is looked for, in this order:
// the plan file's folder, the plan's resources folder, the program's default folder.
struct ResourceFolders {
    QString planFolder;
    QString resourcesFolder;
    QString defaultFolder;
};

// The folders of the plan as it is now, with the program's default folder.
ResourceFolders PlanResourceFolders(const TThePlan& plan, const QString& defaultFolder);

// The file a resource name stands for: the name itself when that file exists (names written on
// Windows get "/" separators), else its last component in one of the folders, else the name made
// absolute against the current folder.
QString ResolveResourcePath(const QString& name, const ResourceFolders& folders);

// One sound file, shared by every piece that names it. The audio side fills the measured facts
// on the UI thread when it opens the resource; the mixing thread only reads them.
class TRes {
public:
    TRes(QString name, QString fullName) : Name(std::move(name)), FullName(std::move(fullName)) {}

    const QString Name;     // as the plan gives it; the key of the list
    const QString FullName; // the file used for all access
    bool InMemory = false;  // the plan's Memory flag when the resource was made
    QByteArray MemoryImage; // the file's bytes from DataOffset on, when InMemory
    int64_t Life = -1;      // length on the mix scale; -1 until measured
    uint8_t SampleBytes = 0;
    uint32_t Rate = 0;         // the file's own frames per second
    long double RateRatio = 0; // Rate / the plan's ElementRate
    int32_t Tracks = 0;        // the file's channel count; 0 until measured
    uint32_t OrigBits = 0;     // the decoder's source resolution, 0 when it reports none
    int64_t DataOffset = 0;    // where decoding starts in the file (".mogg" files)

    // Frames of the sound on the mix scale, and its duration; 0 until measured.
    int64_t Frames() const;
    double DurationMs() const;
};

// Owns the resources of the loaded plan. UI thread only.
class TResources {
public:
    explicit TResources(AudioHooks& audio) : m_audio(audio) {}

    // The first resource whose name equals the given one, case-sensitively.
    TRes* Find(const QString& name) const;
    // Creates, appends and opens a resource of that name; none for an empty name.
    TRes* Add(const QString& name, const ResourceFolders& folders);
    // The resource of that name, added when missing; none for an empty name.
    TRes* FindOrAdd(const QString& name, const ResourceFolders& folders);
    // The same for a sound the caller is about to play: one found unmeasured is opened again
    // (it may be readable by now). None, with the opening's report line, when the file cannot
    // be decoded; a resource made for it then goes again.
    TRes* FindOrAddSound(const QString& name, const ResourceFolders& folders);
    // Releases what the audio side still plays of the resource and frees it. The caller makes
    // sure that no piece names it any more.
    void Delete(TRes& resource);

    int Count() const { return static_cast<int>(m_resources.size()); }
    TRes& At(int index) const { return *m_resources.at(index); }

private:
    AudioHooks& m_audio;
    std::vector<std::unique_ptr<TRes>> m_resources;
    QHash<QString, TRes*> m_byName;
};
