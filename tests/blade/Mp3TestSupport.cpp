#include "Mp3TestSupport.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace mp3test {

GbxLameConfig cbrRecord(int rate, int kbps) {
    GbxLameConfig record;
    std::memset(&record, 0, sizeof record);
    record.kind = GBXLAME_CONFIG_KIND;
    record.version = GBXLAME_CONFIG_VERSION;
    record.size = GBXLAME_CONFIG_BYTES;
    record.inputRate = rate;
    record.outputRate = rate;
    record.mode = GBXLAME_MODE_JOINT_STEREO;
    record.bitRate = kbps;
    record.preset = -1;
    record.mpegVersion = 1;
    record.copyright = -1;
    record.original = -1;
    record.quality = 2;
    return record;
}

GbxLameConfig vbrRecord(int rate, int minKbps, int maxKbps, int level) {
    GbxLameConfig record = cbrRecord(rate, minKbps);
    record.maxBitRate = maxKbps;
    record.enableVbr = -1;
    record.vbrQuality = level;
    return record;
}

std::vector<int16_t> clicks(int channels, int frames, const std::vector<int>& clickFrames) {
    std::vector<int16_t> pcm(static_cast<size_t>(frames * channels), 0);
    for (int frame : clickFrames)
        std::fill_n(pcm.begin() + frame * channels, channels, int16_t{30000});
    return pcm;
}

std::vector<int16_t> music(int channels, int frames, int rate) {
    std::vector<int16_t> pcm(static_cast<size_t>(frames * channels));
    uint32_t noise = 12345;
    for (int frame = 0; frame < frames; ++frame) {
        const int part = (frame * 2 / rate) % 3;
        noise = noise * 1664525u + 1013904223u;
        const double tone = std::sin(2 * std::numbers::pi * 440.0 * frame / rate);
        const double value = part == 0 ? 12000 * tone : part == 1 ? 0 : (noise >> 17) - 16384.0;
        for (int channel = 0; channel < channels; ++channel)
            pcm[static_cast<size_t>(frame * channels + channel)] = static_cast<int16_t>(value);
    }
    return pcm;
}

Mp3Writer::Mp3Writer(const GbxLameConfig& record) {
    uint32_t outputBytes = 0;
    EXPECT_EQ(beInitStream(&record, &m_chunkSamples, &outputBytes, &m_stream), 0u);
    m_output.resize(outputBytes);
}

Mp3Writer::~Mp3Writer() {
    if (m_stream != 0)
        beCloseStream(m_stream);
}

void Mp3Writer::write(const std::vector<int16_t>& pcm) {
    for (size_t at = 0; at < pcm.size(); at += m_chunkSamples) {
        const auto samples =
            static_cast<uint32_t>(std::min<size_t>(m_chunkSamples, pcm.size() - at));
        uint32_t written = 0;
        ASSERT_EQ(beEncodeChunk(m_stream, samples, pcm.data() + at, m_output.data(), &written), 0u);
        m_file.insert(m_file.end(), m_output.begin(), m_output.begin() + written);
    }
}

std::vector<uint8_t> Mp3Writer::finish() {
    uint32_t written = 0;
    EXPECT_EQ(beDeinitStream(m_stream, m_output.data(), &written), 0u);
    m_file.insert(m_file.end(), m_output.begin(), m_output.begin() + written);
    EXPECT_EQ(beGetInfoTag(m_stream, m_output.data(), &written), 0u);
    EXPECT_LE(written, m_file.size());
    std::copy_n(m_output.begin(), std::min<size_t>(written, m_file.size()), m_file.begin());
    EXPECT_EQ(beCloseStream(m_stream), 0u);
    m_stream = 0;
    return m_file;
}

std::vector<uint8_t> encode(const GbxLameConfig& record, const std::vector<int16_t>& pcm) {
    Mp3Writer writer(record);
    writer.write(pcm);
    return writer.finish();
}

namespace {

struct MemoryFile {
    const std::vector<uint8_t>& bytes;
    sf_count_t position = 0;
};

MemoryFile& memory(void* user) {
    return *static_cast<MemoryFile*>(user);
}

SF_VIRTUAL_IO memoryIo() {
    SF_VIRTUAL_IO io{};
    io.get_filelen = [](void* user) { return static_cast<sf_count_t>(memory(user).bytes.size()); };
    io.seek = [](sf_count_t offset, int whence, void* user) {
        MemoryFile& file = memory(user);
        const sf_count_t base = whence == SEEK_SET   ? 0
                                : whence == SEEK_CUR ? file.position
                                                     : static_cast<sf_count_t>(file.bytes.size());
        file.position = std::clamp<sf_count_t>(base + offset, 0, file.bytes.size());
        return file.position;
    };
    io.read = [](void* target, sf_count_t count, void* user) {
        MemoryFile& file = memory(user);
        count = std::min<sf_count_t>(count, file.bytes.size() - file.position);
        std::memcpy(target, file.bytes.data() + file.position, static_cast<size_t>(count));
        file.position += count;
        return count;
    };
    io.write = [](const void*, sf_count_t, void*) { return sf_count_t{0}; };
    io.tell = [](void* user) { return memory(user).position; };
    return io;
}

} // namespace

Decoded decode(const std::vector<uint8_t>& mp3) {
    MemoryFile file{mp3};
    SF_VIRTUAL_IO io = memoryIo();
    SF_INFO info{};
    SNDFILE* sound = sf_open_virtual(&io, SFM_READ, &info, &file);
    if (!sound) {
        ADD_FAILURE() << "libsndfile cannot read the MP3: " << sf_strerror(nullptr);
        return {};
    }
    Decoded decoded{info.channels, info.samplerate, 0, {}};
    std::vector<int16_t> block(static_cast<size_t>(4096 * info.channels));
    while (const sf_count_t got = sf_readf_short(sound, block.data(), 4096)) {
        decoded.frames += got;
        decoded.samples.insert(decoded.samples.end(), block.begin(),
                               block.begin() + got * info.channels);
    }
    sf_close(sound);
    return decoded;
}

std::vector<FrameHeader> frames(const std::vector<uint8_t>& mp3) {
    static constexpr int mpeg1Kbps[16] = {0,   32,  40,  48,  56,  64,  80,  96,
                                          112, 128, 160, 192, 224, 256, 320, 0};
    static constexpr int mpeg2Kbps[16] = {0,  8,  16, 24,  32,  40,  48,  56,
                                          64, 80, 96, 112, 128, 144, 160, 0};
    static constexpr int mpeg1Rates[4] = {44100, 48000, 32000, 0};
    std::vector<FrameHeader> found;
    for (size_t at = 0; at + 4 <= mp3.size();) {
        const uint8_t* h = mp3.data() + at;
        const int version = (h[1] >> 3) & 3; // 3: MPEG-1, 2: MPEG-2, 0: MPEG-2.5
        const int rateDivisor = version == 3 ? 1 : version == 2 ? 2 : 4;
        const int kbps = (version == 3 ? mpeg1Kbps : mpeg2Kbps)[h[2] >> 4];
        const int rate = mpeg1Rates[(h[2] >> 2) & 3] / rateDivisor;
        const bool layer3 = ((h[1] >> 1) & 3) == 1;
        if (h[0] != 0xFF || (h[1] & 0xE0) != 0xE0 || version == 1 || !layer3 || kbps == 0 ||
            rate == 0)
            break;
        const int bytes = (version == 3 ? 144000 : 72000) * kbps / rate + ((h[2] >> 1) & 1);
        found.push_back({kbps, bytes, at});
        at += static_cast<size_t>(bytes);
    }
    return found;
}

} // namespace mp3test
