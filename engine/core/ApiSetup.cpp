// Exported calls: version, errors, configuration, devices, output and plug-ins.
#include "Engine.h"
#include "LastError.h"
#include "gbxaudio.h"

#include <algorithm>
#include <string>

using namespace gbxaudio;

namespace {

constexpr DWORD kFailure = 0xFFFFFFFFu;
constexpr uint64_t kMegabyte = 1ull << 20;

} // namespace

extern "C" {

DWORD BASS_GetVersion(void) {
    setLastError(BASS_OK);
    return GBXAUDIO_VERSION;
}

int BASS_ErrorGetCode(void) {
    return lastError();
}

BOOL BASS_SetConfig(DWORD option, DWORD value) {
    return guarded(FALSE, [&]() -> BOOL {
        Engine& engine = Engine::instance();
        switch (option) {
        case BASS_CONFIG_BUFFER:
            engine.bufferMs.store(std::clamp(value, Engine::kMinBufferMs, Engine::kMaxBufferMs));
            break;
        case BASS_CONFIG_DEV_DEFAULT:
            engine.followDefaultDevice.store(value);
            break;
        case BASS_CONFIG_UNICODE:
            engine.unicodeNames.store(value);
            break;
        case GBXAUDIO_CONFIG_CACHE_LIMIT_MB:
            engine.cache().setLimit(uint64_t{value} * kMegabyte);
            break;
        default:
            return fail(BASS_ERROR_ILLTYPE, FALSE);
        }
        setLastError(BASS_OK);
        return TRUE;
    });
}

DWORD BASS_GetConfig(DWORD option) {
    return guarded(kFailure, [&]() -> DWORD {
        Engine& engine = Engine::instance();
        DWORD value = 0;
        switch (option) {
        case BASS_CONFIG_BUFFER:
            value = engine.bufferMs.load();
            break;
        case BASS_CONFIG_DEV_DEFAULT:
            value = engine.followDefaultDevice.load();
            break;
        case BASS_CONFIG_UNICODE:
            value = engine.unicodeNames.load();
            break;
        case GBXAUDIO_CONFIG_CACHE_LIMIT_MB:
            value = static_cast<DWORD>(engine.cache().limit() / kMegabyte);
            break;
        case GBXAUDIO_CONFIG_UNDERRUNS:
            value = static_cast<DWORD>(Output::underruns());
            break;
        case GBXAUDIO_CONFIG_CHANNELS:
            value = static_cast<DWORD>(engine.registry().size());
            break;
        case GBXAUDIO_CONFIG_CACHE_USED_KB:
            value = static_cast<DWORD>(
                std::min<uint64_t>(engine.cache().usedBytes() >> 10, kFailure - 1));
            break;
        default:
            return fail(BASS_ERROR_ILLTYPE, kFailure);
        }
        setLastError(BASS_OK);
        return value;
    });
}

BOOL BASS_GetDeviceInfo(DWORD device, BASS_DEVICEINFO* info) {
    return guarded(FALSE, [&]() -> BOOL {
        if (!info)
            return fail(BASS_ERROR_ILLPARAM, FALSE);
        Engine& engine = Engine::instance();
        const bool open = engine.currentDevice() == static_cast<int>(device);
        if (device == 0) {
            *info = BASS_DEVICEINFO{"No sound", "",
                                    BASS_DEVICE_ENABLED | (open ? BASS_DEVICE_INIT : 0u)};
        } else {
            const auto& outputs = engine.devices().outputs();
            if (device > outputs.size())
                return fail(BASS_ERROR_DEVICE, FALSE);
            const OutputDevice& output = outputs[device - 1];
            *info = BASS_DEVICEINFO{output.name.c_str(), output.driver.c_str(),
                                    BASS_DEVICE_ENABLED |
                                        (output.isDefault ? BASS_DEVICE_DEFAULT : 0u) |
                                        (open ? BASS_DEVICE_INIT : 0u)};
        }
        setLastError(BASS_OK);
        return TRUE;
    });
}

BOOL BASS_Init(int device, DWORD freq, DWORD, void*, const void*) {
    return guarded(FALSE, [&]() -> BOOL {
        const int error = Engine::instance().init(device, freq);
        setLastError(error);
        return error == BASS_OK;
    });
}

BOOL BASS_Free(void) {
    return guarded(FALSE, [&]() -> BOOL {
        const int error = Engine::instance().free();
        setLastError(error);
        return error == BASS_OK;
    });
}

DWORD BASS_PluginLoad(const char* file, DWORD) {
    return guarded(DWORD{0}, [&]() -> DWORD {
        if (!file)
            return fail(BASS_ERROR_FILEOPEN, DWORD{0});
        int error = BASS_OK;
        const Handle plugin = Engine::instance().plugins().load(file, &error);
        setLastError(error);
        return plugin;
    });
}

BOOL BASS_PluginFree(DWORD plugin) {
    return guarded(FALSE, [&]() -> BOOL {
        if (!Engine::instance().plugins().free(plugin))
            return fail(BASS_ERROR_HANDLE, FALSE);
        setLastError(BASS_OK);
        return TRUE;
    });
}

} // extern "C"
