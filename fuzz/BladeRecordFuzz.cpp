// The MP3 encoder's configuration record on any bytes: a stream opened from it encodes a chunk
// of the bytes that follow the record, is flushed, tagged and closed.
#include "gbxlame.h"

#include <algorithm>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    GbxLameConfig config{};
    std::memcpy(&config, data, std::min(size, sizeof config));
    uint32_t chunkSamples = 0, outputBytes = 0, stream = 0;
    if (beInitStream(&config, &chunkSamples, &outputBytes, &stream) != GBXLAME_OK)
        return 0;
    std::vector<uint8_t> output(outputBytes);
    std::vector<int16_t> pcm(chunkSamples);
    if (size > sizeof config)
        std::memcpy(pcm.data(), data + sizeof config,
                    std::min(size - sizeof config, pcm.size() * sizeof(int16_t)));
    uint32_t written = 0;
    beEncodeChunk(stream, chunkSamples, pcm.data(), output.data(), &written);
    beDeinitStream(stream, output.data(), &written);
    beGetInfoTag(stream, output.data(), &written);
    beCloseStream(stream);
    return 0;
}
