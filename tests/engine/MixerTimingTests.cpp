// Where sources enter and leave a mix, to the frame: delays, mix-time syncs, lengths, the end.
#include "EngineTestSupport.h"

#include <algorithm>

using namespace enginetest;

namespace {

constexpr DWORD kFloatFrame = 8; // float stereo

// Index of the first frame whose left sample is not silent; `frames` when none.
size_t firstSounding(const std::vector<float>& stereo) {
    for (size_t f = 0; f < stereo.size() / 2; ++f) {
        if (stereo[2 * f] != 0.0f)
            return f;
    }
    return stereo.size() / 2;
}

size_t soundingFrames(const std::vector<float>& stereo) {
    return static_cast<size_t>(
               std::count_if(stereo.begin(), stereo.end(), [](float v) { return v != 0.0f; })) /
           2;
}

class MixerTiming : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        writeConstant(file("half.wav"), 44100, 2, 1000, 0.5f);
    }
    DWORD source() { return openSource(file("half.wav")); }
};

TEST_F(MixerTiming, DelayedSourceStartsAtTheExactFrameAndTheEndMixerEndsWithIt) {
    const DWORD mixer =
        BASS_Mixer_StreamCreate(44100, 2, BASS_STREAM_DECODE | BASS_MIXER_END | BASS_SAMPLE_FLOAT);
    ASSERT_NE(mixer, 0u);
    // 3 bytes into frame 1234: rounded down to the frame.
    ASSERT_TRUE(BASS_Mixer_StreamAddChannelEx(mixer, source(), 0, 1234 * kFloatFrame + 3, 0));
    const std::vector<float> out = pullFloats(mixer, 2, 100000, 333);
    ASSERT_EQ(out.size(), size_t{2234} * 2);
    EXPECT_EQ(firstSounding(out), 1234u);
    EXPECT_EQ(soundingFrames(out), 1000u);
    EXPECT_EQ(out.back(), 0.5f);
    float buffer[16];
    EXPECT_EQ(BASS_ChannelGetData(mixer, buffer, sizeof buffer), kFailure);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ENDED);
    EXPECT_EQ(BASS_ChannelIsActive(mixer), DWORD{BASS_ACTIVE_STOPPED});
}

// A renderer asks IsActive before each read and writes what GetData returns: the mixer must say
// it has ended as soon as it has, and the read that finds the end returns no bytes, not an error.
TEST_F(MixerTiming, EndMixerTellsItsEndAtOnceAndOnlyThenRefusesData) {
    const DWORD mixer =
        BASS_Mixer_StreamCreate(44100, 2, BASS_STREAM_DECODE | BASS_MIXER_END | BASS_SAMPLE_FLOAT);
    ASSERT_TRUE(BASS_Mixer_StreamAddChannelEx(mixer, source(), 0, 0, 0));
    std::vector<float> buffer(2 * 1000);
    // The source ends exactly with this read.
    ASSERT_EQ(BASS_ChannelGetData(mixer, buffer.data(), 1000 * kFloatFrame), 1000 * kFloatFrame);
    EXPECT_EQ(BASS_ChannelIsActive(mixer), DWORD{BASS_ACTIVE_STOPPED});
    EXPECT_EQ(BASS_ChannelGetData(mixer, buffer.data(), kFloatFrame), kFailure);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ENDED);

    // A source taken out between reads: the next read finds the end and returns nothing.
    const DWORD second =
        BASS_Mixer_StreamCreate(44100, 2, BASS_STREAM_DECODE | BASS_MIXER_END | BASS_SAMPLE_FLOAT);
    const DWORD stopped = source();
    ASSERT_TRUE(BASS_Mixer_StreamAddChannelEx(second, stopped, 0, 0, 0));
    ASSERT_EQ(BASS_ChannelGetData(second, buffer.data(), 10 * kFloatFrame), 10 * kFloatFrame);
    ASSERT_TRUE(BASS_ChannelStop(stopped));
    EXPECT_EQ(BASS_ChannelIsActive(second), DWORD{BASS_ACTIVE_PLAYING});
    EXPECT_EQ(BASS_ChannelGetData(second, buffer.data(), 10 * kFloatFrame), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_OK);
    EXPECT_EQ(BASS_ChannelIsActive(second), DWORD{BASS_ACTIVE_STOPPED});
    EXPECT_EQ(BASS_ChannelGetData(second, buffer.data(), 10 * kFloatFrame), kFailure);
    // The stopped stream may join a mixer again.
    EXPECT_TRUE(BASS_Mixer_StreamAddChannelEx(second, stopped, 0, 0, 0));
}

TEST_F(MixerTiming, SixteenBitMixerCountsDelayInItsOwnBytes) {
    const DWORD mixer = BASS_Mixer_StreamCreate(44100, 2, BASS_STREAM_DECODE | BASS_MIXER_END);
    ASSERT_TRUE(BASS_Mixer_StreamAddChannelEx(mixer, source(), 0, 100 * 4, 0));
    const std::vector<uint8_t> bytes = pullAll(mixer, 1000);
    ASSERT_EQ(bytes.size(), size_t{1100} * 4);
    const auto* samples = reinterpret_cast<const int16_t*>(bytes.data());
    EXPECT_EQ(samples[2 * 99], 0);
    EXPECT_EQ(samples[2 * 100], 16384);
    EXPECT_EQ(samples[2 * 1099 + 1], 16384);
}

TEST_F(MixerTiming, LengthCutsTheSourceToTheFrame) {
    const DWORD mixer =
        BASS_Mixer_StreamCreate(44100, 2, BASS_STREAM_DECODE | BASS_MIXER_END | BASS_SAMPLE_FLOAT);
    ASSERT_TRUE(
        BASS_Mixer_StreamAddChannelEx(mixer, source(), 0, 10 * kFloatFrame, 321 * kFloatFrame + 7));
    const std::vector<float> out = pullFloats(mixer, 2, 100000, 64);
    EXPECT_EQ(out.size(), size_t{331} * 2);
    EXPECT_EQ(firstSounding(out), 10u);
    EXPECT_EQ(soundingFrames(out), 321u);
}

TEST_F(MixerTiming, SettingTheMixerPositionRenumbersAndWaitingSourcesKeepTheirDistance) {
    const DWORD mixer = BASS_Mixer_StreamCreate(
        44100, 2, BASS_STREAM_DECODE | BASS_MIXER_NONSTOP | BASS_SAMPLE_FLOAT);
    EXPECT_EQ(pullFloats(mixer, 2, 500).size(), 1000u);
    ASSERT_TRUE(BASS_Mixer_StreamAddChannelEx(mixer, source(), 0, 300 * kFloatFrame, 0));
    ASSERT_TRUE(BASS_ChannelSetPosition(mixer, 0, BASS_POS_BYTE));
    EXPECT_EQ(BASS_ChannelGetPosition(mixer, BASS_POS_DECODE), 0u);
    const std::vector<float> out = pullFloats(mixer, 2, 1500);
    EXPECT_EQ(firstSounding(out), 300u);
    EXPECT_EQ(soundingFrames(out), 1000u);
    EXPECT_EQ(BASS_ChannelGetPosition(mixer, BASS_POS_DECODE), 1500u * kFloatFrame);
    EXPECT_EQ(BASS_ChannelGetPosition(mixer, BASS_POS_BYTE), 1500u * kFloatFrame);
}

TEST_F(MixerTiming, NonStopMixerGivesSilenceAndAPlainOneStallsWithNothingToPlay) {
    const DWORD nonStop =
        BASS_Mixer_StreamCreate(44100, 2, BASS_STREAM_DECODE | BASS_MIXER_NONSTOP);
    int16_t buffer[512];
    std::fill(std::begin(buffer), std::end(buffer), int16_t{7});
    EXPECT_EQ(BASS_ChannelGetData(nonStop, buffer, sizeof buffer), sizeof buffer);
    EXPECT_TRUE(
        std::all_of(std::begin(buffer), std::end(buffer), [](int16_t v) { return v == 0; }));
    EXPECT_EQ(BASS_ChannelIsActive(nonStop), DWORD{BASS_ACTIVE_PLAYING});

    const DWORD plain = BASS_Mixer_StreamCreate(44100, 2, BASS_STREAM_DECODE);
    EXPECT_EQ(BASS_ChannelGetData(plain, buffer, sizeof buffer), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_OK);
    ASSERT_TRUE(BASS_Mixer_StreamAddChannelEx(plain, source(), 0, 0, 0));
    EXPECT_EQ(BASS_ChannelGetData(plain, buffer, sizeof buffer), sizeof buffer);
}

// The program loops a sound with a mix-time sync on the source that sets its position back.
struct Loop {
    DWORD source = 0;
    QWORD back = 0;
};

void jumpBack(DWORD, DWORD channel, DWORD, void* user) {
    auto* loop = static_cast<Loop*>(user);
    EXPECT_EQ(channel, loop->source);
    BASS_ChannelSetPosition(channel, loop->back, BASS_POS_BYTE);
}

TEST_F(MixerTiming, SyncsOnASourceLoopItSeamlesslyUntilItsLengthRunsOut) {
    // Each sample is its frame number / 10000, exact in float.
    writeSound(file("ramp.wav"), 44100, 2, 100,
               [](uint64_t frame, uint32_t) { return static_cast<float>(frame) / 10000.0f; });
    for (const DWORD type : {DWORD{BASS_SYNC_POS}, DWORD{BASS_SYNC_END}}) {
        const DWORD mixer = BASS_Mixer_StreamCreate(
            44100, 2, BASS_STREAM_DECODE | BASS_MIXER_END | BASS_SAMPLE_FLOAT);
        Loop loop{openSource(file("ramp.wav")), 20 * kFloatFrame};
        // A position sync at frame 80, or the end sync at frame 100.
        ASSERT_NE(BASS_ChannelSetSync(loop.source, type | BASS_SYNC_MIXTIME, 80 * kFloatFrame,
                                      jumpBack, &loop),
                  0u);
        ASSERT_TRUE(BASS_Mixer_StreamAddChannelEx(mixer, loop.source, 0, 0, 250 * kFloatFrame));
        const std::vector<float> out = pullFloats(mixer, 2, 1000, 37);
        ASSERT_EQ(out.size(), 500u);
        const uint64_t loopEnd = type == BASS_SYNC_POS ? 80 : 100;
        for (uint64_t f = 0; f < 250; ++f) {
            const uint64_t expected = f < loopEnd ? f : 20 + (f - loopEnd) % (loopEnd - 20);
            ASSERT_EQ(out[2 * f], static_cast<float>(expected) / 10000.0f) << "frame " << f;
        }
    }
}

TEST_F(MixerTiming, ResampledSourcesKeepTheirLengthWithinOneFrame) {
    struct Case {
        uint32_t rate;
        uint64_t frames;
        uint64_t expected; // at 44100
    };
    for (const Case c :
         {Case{22050, 11025, 22050}, Case{48000, 4800, 4410}, Case{8000, 999, 5508}}) {
        writeConstant(file("rate.wav"), c.rate, 1, c.frames, 0.25f);
        const DWORD mixer = BASS_Mixer_StreamCreate(
            44100, 2, BASS_STREAM_DECODE | BASS_MIXER_END | BASS_SAMPLE_FLOAT);
        ASSERT_TRUE(BASS_Mixer_StreamAddChannelEx(mixer, openSource(file("rate.wav")), 0, 0, 0));
        const std::vector<float> out = pullFloats(mixer, 2, 100000, 1000);
        EXPECT_NEAR(static_cast<double>(out.size() / 2), static_cast<double>(c.expected), 1.0)
            << c.rate;
        // The middle is the constant, passed through the converter.
        EXPECT_NEAR(out[out.size() / 2], 0.25f, 0.001f);
    }
}

// A source added in a mix-time sync at X enters at X, wherever X falls among the blocks pulled.
class SyncEntry : public MixerTiming, public ::testing::WithParamInterface<int> {};

struct Entry {
    DWORD mixer = 0;
    DWORD source = 0;
    QWORD firedAt = 0;
    int calls = 0;
};

void addOnSync(DWORD, DWORD, DWORD, void* user) {
    auto* entry = static_cast<Entry*>(user);
    ++entry->calls;
    entry->firedAt = BASS_ChannelGetPosition(entry->mixer, BASS_POS_DECODE);
    BASS_Mixer_StreamAddChannelEx(entry->mixer, entry->source, 0, 0, 0);
}

TEST_P(SyncEntry, SourceAddedInAMixTimeSyncEntersAtTheSyncsFrame) {
    constexpr uint32_t kBlock = 256;
    const uint32_t x = static_cast<uint32_t>(GetParam());
    Entry entry;
    entry.mixer = BASS_Mixer_StreamCreate(
        44100, 2, BASS_STREAM_DECODE | BASS_MIXER_NONSTOP | BASS_SAMPLE_FLOAT);
    entry.source = source();
    ASSERT_NE(BASS_ChannelSetSync(entry.mixer, BASS_SYNC_POS | BASS_SYNC_MIXTIME,
                                  QWORD{x} * kFloatFrame, addOnSync, &entry),
              0u);
    const std::vector<float> out = pullFloats(entry.mixer, 2, 4 * kBlock + 1200, kBlock);
    EXPECT_EQ(entry.calls, 1);
    EXPECT_EQ(entry.firedAt, QWORD{x} * kFloatFrame);
    EXPECT_EQ(firstSounding(out), x);
    EXPECT_EQ(soundingFrames(out), 1000u);
}

INSTANTIATE_TEST_SUITE_P(BlockEdges, SyncEntry,
                         ::testing::Values(0, 1, 255, 256, 257, 511, 512, 3 * 256 + 17));

} // namespace
