#include "LameStream.h"

#include "LameSettings.h"

#include <cstdarg>
#include <mutex>

namespace {

// Whole MP3 frames per chunk: near the 64 KiB a WAV render reads at a time.
constexpr uint32_t framesPerChunk = 16;
// Largest layer III frame: 320 kbit/s at 32 kHz, padded.
constexpr uint32_t largestFrameBytes = 1441;
// Frames the encoder may hold back and release with a later chunk, plus the tag frame.
constexpr uint32_t heldFrames = 8;

// Failures come back as results; the host's terminal stays quiet.
void quiet(const char*, va_list) {}

} // namespace

std::unique_ptr<LameStream> LameStream::open(const GbxLameConfig& config, uint32_t& result) {
    // libmp3lame fills shared tables on first use.
    static std::mutex setUpMutex;
    std::lock_guard lock(setUpMutex);

    lame_t lame = lame_init();
    if (!lame) {
        result = GBXLAME_NO_MEMORY;
        return nullptr;
    }
    std::unique_ptr<LameStream> stream(new LameStream(lame));
    lame_set_errorf(lame, quiet);
    lame_set_debugf(lame, quiet);
    lame_set_msgf(lame, quiet);

    result = applyLameSettings(lame, config, stream->m_channels);
    if (result != GBXLAME_OK)
        return nullptr;
    if (lame_init_params(lame) < 0) {
        result = GBXLAME_BAD_SETTING;
        return nullptr;
    }

    const auto frameSamples = static_cast<uint32_t>(lame_get_framesize(lame));
    const uint32_t inputFrames = frameSamples * framesPerChunk;
    stream->m_chunkSamples = inputFrames * static_cast<uint32_t>(stream->m_channels);
    // Resampling changes how many MP3 frames a chunk fills.
    const uint64_t outputFrames =
        (uint64_t{inputFrames} * static_cast<uint64_t>(lame_get_out_samplerate(lame)) +
         uint64_t{frameSamples} * static_cast<uint64_t>(config.inputRate) - 1) /
        (uint64_t{frameSamples} * static_cast<uint64_t>(config.inputRate));
    stream->m_outputBytes = static_cast<uint32_t>(outputFrames + heldFrames) * largestFrameBytes;
    return stream;
}

LameStream::~LameStream() {
    lame_close(m_lame);
}

uint32_t LameStream::encode(const int16_t* pcm, uint32_t samples, uint8_t* output,
                            uint32_t& written) {
    written = 0;
    if (m_flushed)
        return GBXLAME_WRONG_ORDER;
    if (samples > m_chunkSamples || samples % static_cast<uint32_t>(m_channels) != 0)
        return GBXLAME_BAD_ARGUMENT;
    if (samples == 0)
        return GBXLAME_OK;
    const int frames = static_cast<int>(samples) / m_channels;
    const int outSize = static_cast<int>(m_outputBytes);
    // libmp3lame copies the input; its prototypes merely lack const.
    auto* input = const_cast<int16_t*>(pcm);
    const int bytes = m_channels == 1
                          ? lame_encode_buffer(m_lame, input, input, frames, output, outSize)
                          : lame_encode_buffer_interleaved(m_lame, input, frames, output, outSize);
    if (bytes < 0)
        return GBXLAME_ENCODER_FAILED;
    written = static_cast<uint32_t>(bytes);
    return GBXLAME_OK;
}

uint32_t LameStream::flush(uint8_t* output, uint32_t& written) {
    written = 0;
    if (m_flushed)
        return GBXLAME_WRONG_ORDER;
    m_flushed = true;
    const int bytes = lame_encode_flush(m_lame, output, static_cast<int>(m_outputBytes));
    if (bytes < 0)
        return GBXLAME_ENCODER_FAILED;
    written = static_cast<uint32_t>(bytes);
    return GBXLAME_OK;
}

uint32_t LameStream::infoTag(uint8_t* output, uint32_t& written) const {
    written = 0;
    if (!m_flushed)
        return GBXLAME_WRONG_ORDER;
    const size_t bytes = lame_get_lametag_frame(m_lame, output, m_outputBytes);
    if (bytes == 0 || bytes > m_outputBytes)
        return GBXLAME_ENCODER_FAILED;
    written = static_cast<uint32_t>(bytes);
    return GBXLAME_OK;
}
