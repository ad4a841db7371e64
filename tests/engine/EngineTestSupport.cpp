#include "EngineTestSupport.h"

#include <sndfile.h>

namespace enginetest {

void EngineTest::SetUp() {
    ASSERT_TRUE(BASS_Init(0, 44100, 0, nullptr, nullptr)) << BASS_ErrorGetCode();
}

void EngineTest::TearDown() {
    BASS_PluginFree(0);
    BASS_Free();
}

std::string EngineTest::file(const std::string& name) const {
    return m_dir.file(QString::fromStdString(name)).toStdString();
}

void writeSound(const std::string& path, uint32_t rate, uint32_t chans, uint64_t frames,
                const SampleFunction& sample, int format) {
    SF_INFO info{};
    info.samplerate = static_cast<int>(rate);
    info.channels = static_cast<int>(chans);
    info.format = format ? format : (SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    SNDFILE* sf = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(sf, nullptr) << sf_strerror(nullptr);
    std::vector<float> data(frames * chans);
    for (uint64_t f = 0; f < frames; ++f) {
        for (uint32_t c = 0; c < chans; ++c)
            data[f * chans + c] = sample(f, c);
    }
    EXPECT_EQ(sf_writef_float(sf, data.data(), static_cast<sf_count_t>(frames)),
              static_cast<sf_count_t>(frames));
    sf_close(sf);
}

void writeConstant(const std::string& path, uint32_t rate, uint32_t chans, uint64_t frames,
                   float value) {
    writeSound(path, rate, chans, frames, [value](uint64_t, uint32_t) { return value; });
}

DWORD openSource(const std::string& path) {
    return BASS_StreamCreateFile(FALSE, path.c_str(), 0, 0, kSourceFlags);
}

std::vector<float> pullFloats(DWORD channel, uint32_t chans, uint64_t frames, uint32_t perCall) {
    std::vector<float> out;
    std::vector<float> buffer(size_t{perCall} * chans);
    while (out.size() < frames * chans) {
        const uint64_t want = std::min<uint64_t>(perCall, frames - out.size() / chans);
        const DWORD got = BASS_ChannelGetData(channel, buffer.data(),
                                              static_cast<DWORD>(want * chans * sizeof(float)));
        if (got == kFailure || got == 0)
            break;
        out.insert(out.end(), buffer.begin(), buffer.begin() + got / sizeof(float));
    }
    return out;
}

std::vector<uint8_t> pullAll(DWORD channel, uint32_t perCall) {
    std::vector<uint8_t> out;
    std::vector<uint8_t> buffer(perCall);
    for (;;) {
        const DWORD got = BASS_ChannelGetData(channel, buffer.data(), perCall);
        if (got == kFailure)
            break;
        out.insert(out.end(), buffer.begin(), buffer.begin() + got);
        if (got == 0 && BASS_ChannelIsActive(channel) == BASS_ACTIVE_STOPPED)
            break;
    }
    return out;
}

} // namespace enginetest
