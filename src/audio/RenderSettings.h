// The settings a render reads when it starts.
#pragma once

#include "audio/EncoderRecord.h"

#include <QString>

#include <cstdint>

class TWideCustomIniFile;

struct RenderSettings {
    uint32_t bufferBytes = 65536; // BufferBytes: one read of a WAV render
    QString encoderLibrary = QStringLiteral("libgbxlame.so"); // EncoderDLL
    Mp3Settings mp3;
    // Data bytes a WAV file may take; below the format's own limit only to try the cut.
    uint64_t wavDataLimit = UINT64_MAX;
};

// Section "Perpetuator" of the settings; a missing key gives the reader's default.
RenderSettings ReadRenderSettings(const TWideCustomIniFile& settings);
