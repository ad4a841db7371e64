// Decoder plug-ins loaded with BASS_PluginLoad, and decoding a file with them.
#pragma once

#include "DecodedAudio.h"
#include "EngineHost.h"
#include "PluginAbi.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace gbxaudio {

// One loaded plug-in; the library stays loaded while a decode holds it.
class LoadedPlugin {
public:
    LoadedPlugin(Handle handle, void* library, const GbxAudioPlugin* api);
    ~LoadedPlugin();
    LoadedPlugin(const LoadedPlugin&) = delete;
    LoadedPlugin& operator=(const LoadedPlugin&) = delete;

    Handle handle() const { return m_handle; }
    void* library() const { return m_library; }
    const GbxAudioPlugin& api() const { return *m_api; }

private:
    Handle m_handle;
    void* m_library;
    const GbxAudioPlugin* m_api;
};

// Thread-safe.
class Plugins {
public:
    // The plug-in's handle, or 0 with *error BASS_ERROR_FILEOPEN (no such file) or
    // BASS_ERROR_FILEFORM (not a plug-in). Loading one already loaded gives its handle again.
    Handle load(const std::string& path, int* error);
    // handle 0 frees all; false for an unknown handle.
    bool free(Handle handle);
    std::vector<std::shared_ptr<LoadedPlugin>> loaded() const;
    // Changes whenever the set of loaded plug-ins changes.
    uint64_t generation() const;

private:
    mutable std::mutex m_mutex;
    std::vector<std::shared_ptr<LoadedPlugin>> m_plugins;
    uint64_t m_generation = 0;
};

// Decodes a whole encoded file: the first loaded plug-in that recognises the bytes and decodes
// them, else libsndfile. BASS_OK or an error code.
int decodeFile(const uint8_t* data, size_t size, const Plugins& plugins, DecodedAudio& audio);

} // namespace gbxaudio
