// Encoder records as the renderer builds them, PCM fixtures, and decoding of the MP3 produced.
#pragma once

#include "gbxlame.h"

#include <cstdint>
#include <vector>

namespace mp3test {

// Joint stereo at a constant `kbps`, quality 2, output at the input rate.
GbxLameConfig cbrRecord(int rate, int kbps);
// Variable rate between `minKbps` (0: none) and `maxKbps` at VBR quality `level`.
GbxLameConfig vbrRecord(int rate, int minKbps, int maxKbps, int level);

// Interleaved PCM: silence with full-scale one-sample clicks at `clickFrames` in every channel.
std::vector<int16_t> clicks(int channels, int frames, const std::vector<int>& clickFrames);
// Interleaved PCM: half a second of tone, half a second of silence, then noise, repeated.
std::vector<int16_t> music(int channels, int frames, int rate);

// Drives one stream as the renderer does: chunks of at most chunkSamples, the flush, the tag
// frame written over the start of the file.
class Mp3Writer {
public:
    explicit Mp3Writer(const GbxLameConfig& record);
    ~Mp3Writer();
    void write(const std::vector<int16_t>& pcm);
    std::vector<uint8_t> finish();

private:
    uint32_t m_stream = 0;
    uint32_t m_chunkSamples = 0;
    std::vector<uint8_t> m_output;
    std::vector<uint8_t> m_file;
};

std::vector<uint8_t> encode(const GbxLameConfig& record, const std::vector<int16_t>& pcm);

struct Decoded {
    int channels = 0;
    int rate = 0;
    int64_t frames = 0;
    std::vector<int16_t> samples; // interleaved
};
Decoded decode(const std::vector<uint8_t>& mp3);

struct FrameHeader {
    int kbps = 0;
    int bytes = 0;
    size_t offset = 0;
};
// The frames from the first byte on; stops at the first byte that starts no frame.
std::vector<FrameHeader> frames(const std::vector<uint8_t>& mp3);

} // namespace mp3test
