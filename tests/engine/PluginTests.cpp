// The FLAC plug-in: loaded by path, used for FLAC files while loaded, refused when not a plug-in.
#include "EngineTestSupport.h"

#include <sndfile.h>

#include <cmath>
#include <fstream>

using namespace enginetest;

namespace {

float wave(uint64_t frame, uint32_t chan) {
    return 0.6f * std::sin(0.01f * static_cast<float>(frame) + static_cast<float>(chan));
}

class Plugins : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        writeSound(file("wave.flac"), 48000, 2, 5000, wave, SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
    }
};

TEST_F(Plugins, FlacPluginDecodesFlacFilesWhileLoaded) {
    const DWORD plugin = BASS_PluginLoad(GBX_FLAC_PLUGIN, BASS_UNICODE);
    ASSERT_NE(plugin, 0u) << BASS_ErrorGetCode();
    EXPECT_EQ(BASS_PluginLoad(GBX_FLAC_PLUGIN, BASS_UNICODE), plugin);

    const DWORD stream = openSource(file("wave.flac"));
    ASSERT_NE(stream, 0u) << BASS_ErrorGetCode();
    BASS_CHANNELINFO info{};
    ASSERT_TRUE(BASS_ChannelGetInfo(stream, &info));
    EXPECT_EQ(info.plugin, plugin);
    EXPECT_EQ(info.freq, 48000u);
    EXPECT_EQ(info.chans, 2u);
    EXPECT_EQ(info.origres, 16u);
    const std::vector<float> data = pullFloats(stream, 2, 10000);
    ASSERT_EQ(data.size(), 10000u);
    for (uint64_t f = 0; f < 5000; f += 97) {
        for (uint32_t c = 0; c < 2; ++c)
            EXPECT_NEAR(data[2 * f + c], wave(f, c), 2.0f / 32768) << f; // 16-bit steps
    }

    // Without the plug-in libsndfile decodes the same file to the same samples.
    ASSERT_TRUE(BASS_PluginFree(plugin));
    EXPECT_FALSE(BASS_PluginFree(plugin));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_HANDLE);
    const DWORD fallback = openSource(file("wave.flac"));
    ASSERT_TRUE(BASS_ChannelGetInfo(fallback, &info));
    EXPECT_EQ(info.plugin, 0u);
    EXPECT_EQ(pullFloats(fallback, 2, 10000), data);
    // A stream made while the plug-in was loaded goes on after it is gone.
    ASSERT_TRUE(BASS_ChannelSetPosition(stream, 0, BASS_POS_BYTE));
    EXPECT_EQ(pullFloats(stream, 2, 1)[0], data[0]);
}

TEST_F(Plugins, OtherFilesAreLeftToTheBuiltInDecoder) {
    ASSERT_NE(BASS_PluginLoad(GBX_FLAC_PLUGIN, 0), 0u);
    writeConstant(file("plain.wav"), 44100, 1, 10, 0.5f);
    const DWORD stream = openSource(file("plain.wav"));
    BASS_CHANNELINFO info{};
    ASSERT_TRUE(BASS_ChannelGetInfo(stream, &info));
    EXPECT_EQ(info.plugin, 0u);
}

TEST_F(Plugins, LoadingWhatIsNoPluginFails) {
    EXPECT_EQ(BASS_PluginLoad(file("missing.so").c_str(), 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FILEOPEN);
    std::ofstream(file("text.so")) << "not a library";
    EXPECT_EQ(BASS_PluginLoad(file("text.so").c_str(), 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FILEFORM);
    // A shared library without the plug-in entry point.
    EXPECT_EQ(BASS_PluginLoad(GBX_MIX_LIBRARY, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FILEFORM);
    EXPECT_EQ(BASS_PluginLoad(nullptr, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FILEOPEN);
    EXPECT_TRUE(BASS_PluginFree(0));
}

} // namespace
