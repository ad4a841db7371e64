#include "SndfileDecoder.h"

#include "gbxaudio.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>

namespace gbxaudio {

namespace {

// libsndfile reads the block through these callbacks.
struct MemoryFile {
    const uint8_t* data;
    sf_count_t size;
    sf_count_t at = 0;
};

sf_count_t fileLength(void* user) {
    return static_cast<MemoryFile*>(user)->size;
}

sf_count_t seekIn(sf_count_t offset, int whence, void* user) {
    auto* file = static_cast<MemoryFile*>(user);
    sf_count_t base = whence == SEEK_CUR ? file->at : whence == SEEK_END ? file->size : 0;
    const sf_count_t to = base + offset;
    if (to < 0 || to > file->size)
        return -1;
    file->at = to;
    return to;
}

sf_count_t readFrom(void* into, sf_count_t count, void* user) {
    auto* file = static_cast<MemoryFile*>(user);
    const sf_count_t n = std::clamp<sf_count_t>(file->size - file->at, 0, count);
    std::memcpy(into, file->data + file->at, static_cast<size_t>(n));
    file->at += n;
    return n;
}

sf_count_t tellIn(void* user) {
    return static_cast<MemoryFile*>(user)->at;
}

uint32_t bitsOf(int format) {
    switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8:
        return 8;
    case SF_FORMAT_PCM_16:
        return 16;
    case SF_FORMAT_PCM_24:
        return 24;
    case SF_FORMAT_PCM_32:
    case SF_FORMAT_FLOAT:
        return 32;
    case SF_FORMAT_DOUBLE:
        return 64;
    default:
        return 0; // compressed: no fixed resolution
    }
}

} // namespace

int decodeWithSndfile(const uint8_t* data, size_t size, DecodedAudio& audio) {
    MemoryFile file{data, static_cast<sf_count_t>(size)};
    SF_VIRTUAL_IO io{fileLength, seekIn, readFrom, nullptr, tellIn};
    SF_INFO info{};
    SNDFILE* sf = sf_open_virtual(&io, SFM_READ, &info, &file);
    if (!sf)
        return BASS_ERROR_FILEFORM;
    if (info.channels <= 0 || info.samplerate <= 0) {
        sf_close(sf);
        return BASS_ERROR_FILEFORM;
    }
    audio.rate = static_cast<uint32_t>(info.samplerate);
    audio.chans = static_cast<uint32_t>(info.channels);
    audio.origBits = bitsOf(info.format);
    audio.samples.clear();
    constexpr sf_count_t kChunk = 16384;
    try {
        if (info.frames > 0 && info.frames < (1ll << 34))
            audio.samples.reserve(static_cast<size_t>(info.frames) * audio.chans);
        std::vector<float> chunk(static_cast<size_t>(kChunk) * audio.chans);
        for (;;) {
            const sf_count_t got = sf_readf_float(sf, chunk.data(), kChunk);
            if (got <= 0)
                break;
            audio.samples.insert(audio.samples.end(), chunk.begin(),
                                 chunk.begin() + static_cast<ptrdiff_t>(got * audio.chans));
        }
    } catch (const std::bad_alloc&) {
        sf_close(sf);
        return BASS_ERROR_MEM;
    }
    audio.samples.shrink_to_fit();
    sf_close(sf);
    return BASS_OK;
}

} // namespace gbxaudio
