// The built engine started for a benchmark on the "no sound" device, its core and mixer loaded
// from the program folder as the program loads them.
#pragma once

#include "audio/BassApi.h"

#include <QString>

#include <cstdio>

// False, with the reason on standard error, when the engine does not start.
inline bool StartBenchEngine(int rate) {
    QString error;
    if (LoadBassLibrary(GBX_PROGRAM_DIR "/libgbxaudio.so", error) &&
        LoadBassMixLibrary(GBX_PROGRAM_DIR "/libgbxaudiomix.so", error) &&
        Bass().BASS_Init(0, static_cast<DWORD>(rate), 0, nullptr, nullptr))
        return true;
    std::fprintf(stderr, "cannot start the engine: %s\n", qPrintable(error));
    return false;
}
