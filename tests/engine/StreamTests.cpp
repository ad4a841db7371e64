// Decoding streams: what they report, positions in their own bytes, memory blocks, failures.
#include "EngineTestSupport.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

using namespace enginetest;

namespace {

class Streams : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        // Mono 22050 Hz, 16-bit: frame f holds f / 32768.
        writeSound(
            file("count.wav"), 22050, 1, 3000,
            [](uint64_t frame, uint32_t) { return static_cast<float>(frame) / 32768.0f; },
            SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    }
};

TEST_F(Streams, DecodingStreamReportsItsFormatAndDeliversFloats) {
    const DWORD stream = openSource(file("count.wav"));
    ASSERT_NE(stream, 0u) << BASS_ErrorGetCode();
    BASS_CHANNELINFO info{};
    ASSERT_TRUE(BASS_ChannelGetInfo(stream, &info));
    EXPECT_EQ(info.freq, 22050u);
    EXPECT_EQ(info.chans, 1u);
    EXPECT_EQ(info.origres, 16u);
    EXPECT_EQ(info.plugin, 0u);
    EXPECT_TRUE(info.flags & BASS_SAMPLE_FLOAT);
    EXPECT_TRUE(info.flags & BASS_STREAM_DECODE);
    EXPECT_STREQ(info.filename, file("count.wav").c_str());
    EXPECT_EQ(BASS_ChannelGetLength(stream, BASS_POS_BYTE), 3000u * 4);
    EXPECT_DOUBLE_EQ(BASS_ChannelBytes2Seconds(stream, 22050 * 4), 1.0);

    const std::vector<float> data = pullFloats(stream, 1, 5000, 700);
    ASSERT_EQ(data.size(), 3000u);
    for (uint64_t f = 0; f < 3000; f += 499)
        EXPECT_EQ(data[f], static_cast<float>(f) / 32768.0f);
    float rest[4];
    EXPECT_EQ(BASS_ChannelGetData(stream, rest, sizeof rest), kFailure);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ENDED);
    EXPECT_EQ(BASS_ChannelIsActive(stream), DWORD{BASS_ACTIVE_STOPPED});
}

TEST_F(Streams, SixteenBitStreamCountsPositionsInItsOwnBytes) {
    const DWORD stream =
        BASS_StreamCreateFile(FALSE, file("count.wav").c_str(), 0, 0, BASS_STREAM_DECODE);
    ASSERT_NE(stream, 0u);
    EXPECT_EQ(BASS_ChannelGetLength(stream, BASS_POS_BYTE), 3000u * 2);
    // Byte 201 lies inside frame 100: rounded down.
    ASSERT_TRUE(BASS_ChannelSetPosition(stream, 201, BASS_POS_BYTE));
    EXPECT_EQ(BASS_ChannelGetPosition(stream, BASS_POS_BYTE), 200u);
    int16_t samples[10];
    ASSERT_EQ(BASS_ChannelGetData(stream, samples, sizeof samples), sizeof samples);
    EXPECT_EQ(samples[0], 100);
    EXPECT_EQ(samples[9], 109);
    EXPECT_EQ(BASS_ChannelGetPosition(stream, BASS_POS_DECODE), 220u);
    // The end is a position; past it is not.
    EXPECT_TRUE(BASS_ChannelSetPosition(stream, 6000, BASS_POS_BYTE));
    EXPECT_FALSE(BASS_ChannelSetPosition(stream, 6002, BASS_POS_BYTE));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_POSITION);
    EXPECT_EQ(BASS_ChannelGetPosition(stream, BASS_POS_BYTE), 6000u);
}

TEST_F(Streams, MemoryBlockDecodesFromItsOffsetAndMayBeReleasedAfterwards) {
    std::ifstream in(file("count.wav"), std::ios::binary);
    std::vector<char> wav((std::istreambuf_iterator<char>(in)), {});
    // The block starts with 13 bytes of something else, as a ".mogg" does.
    auto block = std::make_unique<std::vector<char>>(13 + wav.size(), 'x');
    std::copy(wav.begin(), wav.end(), block->begin() + 13);
    const DWORD stream =
        BASS_StreamCreateFile(TRUE, block->data(), 13, block->size(), kSourceFlags);
    ASSERT_NE(stream, 0u) << BASS_ErrorGetCode();
    block.reset();
    BASS_CHANNELINFO info{};
    ASSERT_TRUE(BASS_ChannelGetInfo(stream, &info));
    EXPECT_EQ(info.filename, nullptr);
    EXPECT_EQ(BASS_ChannelGetLength(stream, BASS_POS_BYTE), 3000u * 4);
    ASSERT_TRUE(BASS_ChannelSetPosition(stream, 2999 * 4, BASS_POS_BYTE));
    EXPECT_EQ(pullFloats(stream, 1, 10), std::vector<float>{2999.0f / 32768.0f});
}

TEST_F(Streams, FilesThatCannotBeReadAreErrorsOfTheirKind) {
    EXPECT_EQ(openSource(file("missing.wav")), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FILEOPEN);
    std::ofstream(file("text.wav")) << "this is not a sound";
    EXPECT_EQ(openSource(file("text.wav")), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FILEFORM);
    EXPECT_EQ(BASS_StreamCreateFile(FALSE, nullptr, 0, 0, kSourceFlags), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FILEOPEN);
    const char block[] = "RIFF";
    EXPECT_EQ(BASS_StreamCreateFile(TRUE, block, 4, 4, kSourceFlags), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLPARAM);
}

TEST_F(Streams, CreatingStreamsNeedsAnInitialisedOutput) {
    ASSERT_TRUE(BASS_Free());
    EXPECT_EQ(openSource(file("count.wav")), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_INIT);
    EXPECT_EQ(BASS_Mixer_StreamCreate(44100, 2, BASS_STREAM_DECODE), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_INIT);
    EXPECT_FALSE(BASS_Free());
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_INIT);
    ASSERT_TRUE(BASS_Init(0, 44100, 0, nullptr, nullptr));
}

TEST_F(Streams, FreeingTheOutputFreesEveryStream) {
    const DWORD before = BASS_GetConfig(GBXAUDIO_CONFIG_CHANNELS);
    const DWORD stream = openSource(file("count.wav"));
    const DWORD mixer = BASS_Mixer_StreamCreate(44100, 2, BASS_STREAM_DECODE);
    ASSERT_TRUE(BASS_Mixer_StreamAddChannelEx(mixer, openSource(file("count.wav")), 0, 0, 0));
    EXPECT_EQ(BASS_GetConfig(GBXAUDIO_CONFIG_CHANNELS), before + 3);
    ASSERT_TRUE(BASS_Free());
    ASSERT_TRUE(BASS_Init(0, 44100, 0, nullptr, nullptr));
    for (const DWORD handle : {stream, mixer}) {
        EXPECT_FALSE(BASS_ChannelGetInfo(handle, nullptr));
        EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_HANDLE);
    }
    EXPECT_EQ(BASS_GetConfig(GBXAUDIO_CONFIG_CHANNELS), before);
}

// Every call given a handle that names nothing fails with BASS_ERROR_HANDLE.
TEST_F(Streams, BadHandlesAreErrorsEverywhere) {
    constexpr DWORD bad = 0x7FFFFFF0;
    const DWORD stream = openSource(file("count.wav"));
    ASSERT_TRUE(BASS_StreamFree(stream));
    BASS_CHANNELINFO info{};
    float buffer[4];
    BASS_MIXER_NODE node{0, 1};
    const float matrix[2] = {1, 1};
    auto expectHandleError = [](bool failed, const char* call) {
        EXPECT_TRUE(failed) << call;
        EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_HANDLE) << call;
    };
    for (const DWORD h : {bad, stream, DWORD{0}}) {
        expectHandleError(!BASS_StreamFree(h), "StreamFree");
        expectHandleError(!BASS_ChannelGetInfo(h, &info), "GetInfo");
        expectHandleError(BASS_ChannelGetLength(h, BASS_POS_BYTE) == ~QWORD{0}, "GetLength");
        expectHandleError(BASS_ChannelBytes2Seconds(h, 4) < 0, "Bytes2Seconds");
        expectHandleError(BASS_ChannelGetPosition(h, BASS_POS_BYTE) == ~QWORD{0}, "GetPosition");
        expectHandleError(!BASS_ChannelSetPosition(h, 0, BASS_POS_BYTE), "SetPosition");
        expectHandleError(BASS_ChannelSetSync(
                              h, BASS_SYNC_END, 0, [](DWORD, DWORD, DWORD, void*) {}, nullptr) == 0,
                          "SetSync");
        expectHandleError(!BASS_ChannelRemoveSync(h, 1), "RemoveSync");
        expectHandleError(!BASS_ChannelPlay(h, FALSE), "Play");
        expectHandleError(!BASS_ChannelStop(h), "Stop");
        expectHandleError(!BASS_ChannelPause(h), "Pause");
        expectHandleError(BASS_ChannelIsActive(h) == BASS_ACTIVE_STOPPED, "IsActive");
        expectHandleError(!BASS_ChannelLock(h, TRUE), "Lock");
        expectHandleError(!BASS_ChannelLock(h, FALSE), "Unlock");
        expectHandleError(!BASS_ChannelSetAttribute(h, BASS_ATTRIB_VOL, 1), "SetAttribute");
        expectHandleError(!BASS_ChannelSlideAttribute(h, BASS_ATTRIB_VOL, 1, 10), "Slide");
        expectHandleError(BASS_ChannelGetLevel(h) == kFailure, "GetLevel");
        expectHandleError(BASS_ChannelGetData(h, buffer, sizeof buffer) == kFailure, "GetData");
        expectHandleError(!BASS_Mixer_StreamAddChannelEx(h, h, 0, 0, 0), "AddChannelEx");
        expectHandleError(!BASS_Mixer_ChannelSetMatrix(h, matrix), "SetMatrix");
        expectHandleError(!BASS_Mixer_ChannelSetEnvelope(h, BASS_MIXER_ENV_VOL, &node, 1),
                          "SetEnvelope");
        expectHandleError(BASS_Mixer_ChannelGetLevel(h) == kFailure, "Mixer GetLevel");
        expectHandleError(BASS_Mixer_ChannelGetPosition(h, BASS_POS_BYTE) == ~QWORD{0},
                          "Mixer GetPosition");
        expectHandleError(!BASS_PluginFree(h == 0 ? bad : h), "PluginFree");
    }
}

TEST_F(Streams, BadParametersAreErrorsOfTheirKind) {
    const DWORD stream = openSource(file("count.wav"));
    EXPECT_FALSE(BASS_ChannelGetInfo(stream, nullptr));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLPARAM);
    EXPECT_FALSE(BASS_ChannelSetAttribute(stream, 99, 1));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLTYPE);
    for (const float volume : {-0.5f, NAN, INFINITY}) {
        EXPECT_FALSE(BASS_ChannelSetAttribute(stream, BASS_ATTRIB_VOL, volume));
        EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLPARAM);
    }
    EXPECT_FALSE(BASS_ChannelSetAttribute(stream, BASS_ATTRIB_PAN, 1.5f));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLPARAM);
    EXPECT_EQ(BASS_ChannelSetSync(
                  stream, 7, 0, [](DWORD, DWORD, DWORD, void*) {}, nullptr),
              0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLTYPE);
    EXPECT_EQ(BASS_ChannelSetSync(stream, BASS_SYNC_POS, 0, nullptr, nullptr), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLPARAM);
    EXPECT_EQ(BASS_ChannelGetData(stream, nullptr, 16), kFailure);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLPARAM);
    EXPECT_FALSE(BASS_ChannelPlay(stream, FALSE));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_DECODE);
    EXPECT_EQ(BASS_ChannelGetPosition(stream, 3), ~QWORD{0});
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_NOTAVAIL);
    // Mixers have no length; sources must be decoding streams added once.
    const DWORD mixer = BASS_Mixer_StreamCreate(44100, 2, BASS_STREAM_DECODE);
    EXPECT_EQ(BASS_ChannelGetLength(mixer, BASS_POS_BYTE), ~QWORD{0});
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_NOTAVAIL);
    EXPECT_EQ(BASS_Mixer_StreamCreate(0, 2, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLPARAM);
    EXPECT_EQ(BASS_Mixer_StreamCreate(44100, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLPARAM);
    EXPECT_FALSE(BASS_Mixer_StreamAddChannelEx(mixer, mixer, 0, 0, 0));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLPARAM);
    const DWORD played = BASS_Mixer_StreamCreate(44100, 2, 0);
    EXPECT_FALSE(BASS_Mixer_StreamAddChannelEx(mixer, played, 0, 0, 0));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_DECODE);
    EXPECT_TRUE(BASS_Mixer_StreamAddChannelEx(mixer, stream, 0, 0, 0));
    EXPECT_FALSE(BASS_Mixer_StreamAddChannelEx(mixer, stream, 0, 0, 0));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ALREADY);
    // A source belongs to its mixer: pulling it directly would steal the mixer's data.
    float buffer[4];
    EXPECT_EQ(BASS_ChannelGetData(stream, buffer, sizeof buffer), kFailure);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_NOTAVAIL);
}

} // namespace
