// One MP3 encoding stream: a libmp3lame encoder set up from an encoder record.
#pragma once

#include "gbxlame.h"

#include <lame/lame.h>

#include <memory>

class LameStream {
public:
    // Opens an encoder for `config`; `result` tells why when it gives null.
    static std::unique_ptr<LameStream> open(const GbxLameConfig& config, uint32_t& result);

    LameStream(const LameStream&) = delete;
    LameStream& operator=(const LameStream&) = delete;
    ~LameStream();

    // Most interleaved samples one encode() takes.
    uint32_t chunkSamples() const { return m_chunkSamples; }
    // Output buffer size every call below may fill.
    uint32_t outputBytes() const { return m_outputBytes; }

    uint32_t encode(const int16_t* pcm, uint32_t samples, uint8_t* output, uint32_t& written);
    uint32_t flush(uint8_t* output, uint32_t& written);
    uint32_t infoTag(uint8_t* output, uint32_t& written) const;

private:
    explicit LameStream(lame_t lame) : m_lame(lame) {}

    lame_t m_lame;
    int m_channels = 0;
    uint32_t m_chunkSamples = 0;
    uint32_t m_outputBytes = 0;
    bool m_flushed = false;
};
