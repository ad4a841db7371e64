#include "Plugins.h"

#include "FileBytes.h"
#include "Handles.h"
#include "SndfileDecoder.h"
#include "gbxaudio.h"

#include <dlfcn.h>

namespace gbxaudio {

LoadedPlugin::LoadedPlugin(Handle handle, void* library, const GbxAudioPlugin* api)
    : m_handle(handle), m_library(library), m_api(api) {}

LoadedPlugin::~LoadedPlugin() {
    dlclose(m_library);
}

Handle Plugins::load(const std::string& path, int* error) {
    FileFacts facts;
    if (!readFileFacts(path, &facts)) {
        *error = BASS_ERROR_FILEOPEN;
        return 0;
    }
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        *error = BASS_ERROR_FILEFORM;
        return 0;
    }
    auto* entry =
        reinterpret_cast<GbxAudioPluginEntry*>(dlsym(library, GBXAUDIO_PLUGIN_ENTRY_NAME));
    const GbxAudioPlugin* api = entry ? entry(GBXAUDIO_PLUGIN_ABI) : nullptr;
    if (!api || api->abi != GBXAUDIO_PLUGIN_ABI || !api->probe || !api->decode) {
        dlclose(library);
        *error = BASS_ERROR_FILEFORM;
        return 0;
    }
    std::lock_guard lock(m_mutex);
    for (const auto& plugin : m_plugins) {
        if (plugin->library() == library) {
            dlclose(library); // dlopen counted one more reference
            return plugin->handle();
        }
    }
    m_plugins.push_back(std::make_shared<LoadedPlugin>(newHandle(), library, api));
    ++m_generation;
    return m_plugins.back()->handle();
}

bool Plugins::free(Handle handle) {
    std::lock_guard lock(m_mutex);
    if (handle == 0) {
        m_plugins.clear();
        ++m_generation;
        return true;
    }
    for (auto it = m_plugins.begin(); it != m_plugins.end(); ++it) {
        if ((*it)->handle() == handle) {
            m_plugins.erase(it);
            ++m_generation;
            return true;
        }
    }
    return false;
}

std::vector<std::shared_ptr<LoadedPlugin>> Plugins::loaded() const {
    std::lock_guard lock(m_mutex);
    return m_plugins;
}

uint64_t Plugins::generation() const {
    std::lock_guard lock(m_mutex);
    return m_generation;
}

namespace {

// Collects what a plug-in decodes.
int sinkBegin(void* context, uint32_t rate, uint32_t chans, uint32_t origBits, uint64_t frames) {
    auto* audio = static_cast<DecodedAudio*>(context);
    if (rate == 0 || chans == 0 || audio->chans != 0)
        return BASS_ERROR_FILEFORM;
    audio->rate = rate;
    audio->chans = chans;
    audio->origBits = origBits;
    try {
        if (frames > 0 && frames < (1ull << 34))
            audio->samples.reserve(frames * chans);
    } catch (const std::bad_alloc&) {
        return BASS_ERROR_MEM;
    }
    return BASS_OK;
}

int sinkWrite(void* context, const float* frames, uint32_t count) {
    auto* audio = static_cast<DecodedAudio*>(context);
    if (audio->chans == 0)
        return BASS_ERROR_FILEFORM;
    try {
        audio->samples.insert(audio->samples.end(), frames, frames + size_t{count} * audio->chans);
    } catch (const std::bad_alloc&) {
        return BASS_ERROR_MEM;
    }
    return BASS_OK;
}

} // namespace

int decodeFile(const uint8_t* data, size_t size, const Plugins& plugins, DecodedAudio& audio) {
    for (const auto& plugin : plugins.loaded()) {
        if (!plugin->api().probe(data, size))
            continue;
        DecodedAudio decoded;
        const GbxAudioSink sink{&decoded, sinkBegin, sinkWrite};
        if (plugin->api().decode(data, size, &sink) == BASS_OK && decoded.chans != 0) {
            decoded.plugin = plugin->handle();
            decoded.samples.shrink_to_fit();
            audio = std::move(decoded);
            return BASS_OK;
        }
    }
    return decodeWithSndfile(data, size, audio);
}

} // namespace gbxaudio
