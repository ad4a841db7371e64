#include "FlacDecoder.h"

#include "gbxaudio.h"

#include <FLAC/stream_decoder.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace gbxaudio {

namespace {

// Length of an ID3v2 tag at the start, which some writers put before "fLaC".
size_t id3Length(const uint8_t* data, size_t size) {
    if (size < 10 || std::memcmp(data, "ID3", 3) != 0)
        return 0;
    const size_t body = (size_t{data[6]} & 0x7F) << 21 | (size_t{data[7]} & 0x7F) << 14 |
                        (size_t{data[8]} & 0x7F) << 7 | (size_t{data[9]} & 0x7F);
    return 10 + body + ((data[5] & 0x10) ? 10 : 0);
}

bool isOggFlac(const uint8_t* data, size_t size) {
    return size >= 33 && std::memcmp(data, "OggS", 4) == 0 && data[28] == 0x7F &&
           std::memcmp(data + 29, "FLAC", 4) == 0;
}

// What the decoder's callbacks share.
struct Decoding {
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t at = 0;
    const GbxAudioSink* sink = nullptr;
    bool begun = false;
    int error = BASS_OK;
    std::vector<float> frames;
};

FLAC__StreamDecoderReadStatus readBytes(const FLAC__StreamDecoder*, FLAC__byte buffer[],
                                        size_t* bytes, void* user) {
    auto* d = static_cast<Decoding*>(user);
    const size_t n = std::min(*bytes, d->size - d->at);
    std::memcpy(buffer, d->data + d->at, n);
    d->at += n;
    *bytes = n;
    return n == 0 ? FLAC__STREAM_DECODER_READ_STATUS_END_OF_STREAM
                  : FLAC__STREAM_DECODER_READ_STATUS_CONTINUE;
}

FLAC__StreamDecoderSeekStatus seekTo(const FLAC__StreamDecoder*, FLAC__uint64 offset, void* user) {
    auto* d = static_cast<Decoding*>(user);
    if (offset > d->size)
        return FLAC__STREAM_DECODER_SEEK_STATUS_ERROR;
    d->at = static_cast<size_t>(offset);
    return FLAC__STREAM_DECODER_SEEK_STATUS_OK;
}

FLAC__StreamDecoderTellStatus tellAt(const FLAC__StreamDecoder*, FLAC__uint64* offset, void* user) {
    *offset = static_cast<Decoding*>(user)->at;
    return FLAC__STREAM_DECODER_TELL_STATUS_OK;
}

FLAC__StreamDecoderLengthStatus lengthOf(const FLAC__StreamDecoder*, FLAC__uint64* length,
                                         void* user) {
    *length = static_cast<Decoding*>(user)->size;
    return FLAC__STREAM_DECODER_LENGTH_STATUS_OK;
}

FLAC__bool atEnd(const FLAC__StreamDecoder*, void* user) {
    auto* d = static_cast<Decoding*>(user);
    return d->at >= d->size;
}

void begin(Decoding& d, uint32_t rate, uint32_t chans, uint32_t bits, uint64_t total) {
    if (d.begun)
        return;
    d.begun = true;
    d.error = d.sink->begin(d.sink->context, rate, chans, bits, total);
}

FLAC__StreamDecoderWriteStatus writeFrames(const FLAC__StreamDecoder*, const FLAC__Frame* frame,
                                           const FLAC__int32* const buffer[], void* user) {
    auto* d = static_cast<Decoding*>(user);
    const uint32_t chans = frame->header.channels;
    const uint32_t count = frame->header.blocksize;
    const uint32_t bits = frame->header.bits_per_sample;
    begin(*d, frame->header.sample_rate, chans, bits, 0);
    if (d->error != BASS_OK || bits == 0 || bits > 32)
        return FLAC__STREAM_DECODER_WRITE_STATUS_ABORT;
    const float scale = 1.0f / static_cast<float>(1ull << (bits - 1));
    d->frames.resize(size_t{count} * chans);
    for (uint32_t i = 0; i < count; ++i) {
        for (uint32_t c = 0; c < chans; ++c)
            d->frames[size_t{i} * chans + c] = static_cast<float>(buffer[c][i]) * scale;
    }
    d->error = d->sink->write(d->sink->context, d->frames.data(), count);
    return d->error == BASS_OK ? FLAC__STREAM_DECODER_WRITE_STATUS_CONTINUE
                               : FLAC__STREAM_DECODER_WRITE_STATUS_ABORT;
}

void metadata(const FLAC__StreamDecoder*, const FLAC__StreamMetadata* block, void* user) {
    if (block->type != FLAC__METADATA_TYPE_STREAMINFO)
        return;
    const auto& info = block->data.stream_info;
    begin(*static_cast<Decoding*>(user), info.sample_rate, info.channels, info.bits_per_sample,
          info.total_samples);
}

// A damaged frame is skipped by libFLAC; only a stream that never begins is refused.
void onError(const FLAC__StreamDecoder*, FLAC__StreamDecoderErrorStatus, void*) {}

} // namespace

bool looksLikeFlac(const uint8_t* data, size_t size) {
    const size_t skip = id3Length(data, size);
    return (skip + 4 <= size && std::memcmp(data + skip, "fLaC", 4) == 0) || isOggFlac(data, size);
}

int decodeFlac(const uint8_t* data, size_t size, const GbxAudioSink& sink) {
    FLAC__StreamDecoder* decoder = FLAC__stream_decoder_new();
    if (!decoder)
        return BASS_ERROR_MEM;
    Decoding d;
    d.data = data;
    d.size = size;
    d.sink = &sink;
    const auto init = isOggFlac(data, size) ? FLAC__stream_decoder_init_ogg_stream
                                            : FLAC__stream_decoder_init_stream;
    int result = BASS_ERROR_FILEFORM;
    if (init(decoder, readBytes, seekTo, tellAt, lengthOf, atEnd, writeFrames, metadata, onError,
             &d) == FLAC__STREAM_DECODER_INIT_STATUS_OK) {
        const bool finished = FLAC__stream_decoder_process_until_end_of_stream(decoder);
        if (d.error != BASS_OK)
            result = d.error;
        else if (finished && d.begun)
            result = BASS_OK;
        FLAC__stream_decoder_finish(decoder);
    }
    FLAC__stream_decoder_delete(decoder);
    return result;
}

} // namespace gbxaudio
