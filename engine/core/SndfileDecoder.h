// Decodes a whole encoded file held in memory through libsndfile.
#pragma once

#include "DecodedAudio.h"

#include <cstddef>
#include <cstdint>

namespace gbxaudio {

// BASS_OK on success, else BASS_ERROR_FILEFORM (not a format libsndfile reads) or
// BASS_ERROR_MEM.
int decodeWithSndfile(const uint8_t* data, size_t size, DecodedAudio& audio);

} // namespace gbxaudio
