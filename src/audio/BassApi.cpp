// Loading the engine libraries with dlopen and resolving their calls with dlsym.
#include "audio/BassApi.h"

#include "audio/BassErrorName.h"

#include <QFileInfo>

#include <dlfcn.h>

namespace {

const QString kCoreBareName = QStringLiteral("libgbxaudio.so");
const QString kMixBareName = QStringLiteral("libgbxaudiomix.so");

struct LoadedLibrary {
    void* handle = nullptr;
};

BassCoreCalls g_core;
BassMixCalls g_mix;
LoadedLibrary g_coreLibrary;
LoadedLibrary g_mixLibrary;

// The core stays mapped once closed. It brings in PortAudio, ALSA and ALSA's plug-ins, and
// unmapping them is safe only when nothing of theirs can still run, which is not ours to know: a
// thread-local destructor of the engine once kept it loaded past dlclose until the process's exit,
// where ALSA's clean-up then dropped ALSA's last reference to itself mid-call. BASS_Free has
// stopped the output and PortAudio before any close, so keeping the code costs address space only.
constexpr int kCoreFlags = RTLD_NODELETE;
constexpr int kMixFlags = 0;

void* OpenLibrary(const QString& filePath, const QString& bareName, int flags) {
    const QString name = filePath.isEmpty() ? bareName : filePath;
    return dlopen(QFile::encodeName(name).constData(), RTLD_NOW | RTLD_LOCAL | flags);
}

#define GBX_RESOLVE(name)                                                                          \
    calls.name = reinterpret_cast<decltype(calls.name)>(dlsym(handle, #name));                     \
    all = all && calls.name != nullptr;

bool ResolveAll(void* handle, BassCoreCalls& calls) {
    bool all = true;
    GBX_BASS_CORE_CALLS(GBX_RESOLVE)
    return all;
}

bool ResolveAll(void* handle, BassMixCalls& calls) {
    bool all = true;
    GBX_BASS_MIX_CALLS(GBX_RESOLVE)
#undef GBX_RESOLVE
    return all;
}

template <typename Calls>
bool Load(const QString& filePath, const QString& bareName, int flags, LoadedLibrary& library,
          Calls& calls, QString& errorText) {
    if (library.handle)
        return true;
    const QString shownPath = filePath.isEmpty() ? bareName : filePath;
    void* handle = OpenLibrary(filePath, bareName, flags);
    if (!handle) {
        errorText = QStringLiteral("BASS_Handle = 0; FilePath = ") + shownPath;
        return false;
    }
    if (!ResolveAll(handle, calls)) {
        calls = Calls{};
        dlclose(handle);
        errorText = QStringLiteral("wrong linking; FilePath = ") + shownPath;
        return false;
    }
    library.handle = handle;
    errorText.clear();
    return true;
}

template <typename Calls> void Unload(LoadedLibrary& library, Calls& calls) {
    if (!library.handle)
        return;
    calls = Calls{};
    dlclose(library.handle);
    library.handle = nullptr;
}

} // namespace

const BassCoreCalls& Bass() {
    return g_core;
}

const BassMixCalls& BassMix() {
    return g_mix;
}

bool BassLoaded() {
    return g_coreLibrary.handle != nullptr;
}

bool BassMixLoaded() {
    return g_mixLibrary.handle != nullptr;
}

bool VersionAccepted(DWORD version) {
    return (version >> 16) == kBassVersionHighWord;
}

bool LoadBassLibrary(const QString& filePath, QString& errorText) {
    return Load(filePath, kCoreBareName, kCoreFlags, g_coreLibrary, g_core, errorText);
}

bool LoadBassMixLibrary(const QString& filePath, QString& errorText) {
    return Load(filePath, kMixBareName, kMixFlags, g_mixLibrary, g_mix, errorText);
}

void UnloadBassMixLibrary() {
    Unload(g_mixLibrary, g_mix);
}

void UnloadBassLibrary() {
    Unload(g_coreLibrary, g_core);
}

QString BassErrorName() {
    if (!g_core.BASS_ErrorGetCode)
        return BassErrorNameOf(BASS_ERROR_UNKNOWN);
    return BassErrorNameOf(g_core.BASS_ErrorGetCode());
}

std::string BassErrorText() {
    return BassErrorName().toStdString();
}
