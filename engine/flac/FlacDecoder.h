// Decoding a whole FLAC file (native or in Ogg) held in memory, through libFLAC.
#pragma once

#include "PluginAbi.h"

#include <cstddef>
#include <cstdint>

namespace gbxaudio {

// Whether the bytes start like a FLAC file.
bool looksLikeFlac(const uint8_t* data, size_t size);

// Sends the decoded frames to the sink; BASS_OK or an engine error code.
int decodeFlac(const uint8_t* data, size_t size, const GbxAudioSink& sink);

} // namespace gbxaudio
