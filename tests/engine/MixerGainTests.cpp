// What a source sounds like in the mix: volume, pan, matrix, envelope, sample types, levels.
#include "EngineTestSupport.h"

#include <chrono>
#include <thread>

using namespace enginetest;

namespace {

class MixerGains : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        writeConstant(file("mono.wav"), 44100, 1, 2000, 0.5f);
        writeSound(file("stereo.wav"), 44100, 2, 2000,
                   [](uint64_t, uint32_t chan) { return chan == 0 ? 0.4f : 0.6f; });
    }

    // A float decoding mixer of `chans` channels holding one source of `name`.
    DWORD mixWith(const std::string& name, uint32_t chans = 2, DWORD sourceFlags = 0) {
        m_mixer = BASS_Mixer_StreamCreate(44100, chans,
                                          BASS_STREAM_DECODE | BASS_MIXER_END | BASS_SAMPLE_FLOAT);
        m_source = openSource(file(name));
        EXPECT_TRUE(BASS_Mixer_StreamAddChannelEx(m_mixer, m_source, sourceFlags, 0, 0));
        return m_source;
    }
    // The first frame of the mix.
    std::vector<float> firstFrame(uint32_t chans = 2) { return pullFloats(m_mixer, chans, 1); }

    DWORD m_mixer = 0;
    DWORD m_source = 0;
};

TEST_F(MixerGains, VolumeScalesAndPanBalancesBothSides) {
    const DWORD mono = mixWith("mono.wav");
    ASSERT_TRUE(BASS_ChannelSetAttribute(mono, BASS_ATTRIB_VOL, 0.5f));
    EXPECT_EQ(firstFrame(), (std::vector<float>{0.25f, 0.25f}));

    struct Case {
        const char* name;
        float pan;
        std::vector<float> frame;
    };
    for (const Case& c :
         {Case{"mono.wav", -1, {0.5f, 0}}, Case{"mono.wav", 1, {0, 0.5f}},
          Case{"stereo.wav", -1, {0.4f, 0}}, Case{"stereo.wav", 0, {0.4f, 0.6f}},
          Case{"stereo.wav", 1, {0, 0.6f}}, Case{"stereo.wav", -0.5f, {0.4f, 0.3f}}}) {
        const DWORD source = mixWith(c.name);
        ASSERT_TRUE(BASS_ChannelSetAttribute(source, BASS_ATTRIB_PAN, c.pan));
        EXPECT_EQ(firstFrame(), c.frame) << c.name << " pan " << c.pan;
    }
}

TEST_F(MixerGains, MatrixRoutesMonoToTheLeftOnly) {
    const DWORD source = mixWith("mono.wav", 2, BASS_MIXER_MATRIX);
    const float leftOnly[2] = {1, 0}; // rows: mixer channels; one column: the mono source
    ASSERT_TRUE(BASS_Mixer_ChannelSetMatrix(source, leftOnly));
    // The pan attribute does not act on a matrix source.
    ASSERT_TRUE(BASS_ChannelSetAttribute(source, BASS_ATTRIB_PAN, 1));
    EXPECT_EQ(firstFrame(), (std::vector<float>{0.5f, 0}));

    const DWORD plain = mixWith("mono.wav");
    EXPECT_FALSE(BASS_Mixer_ChannelSetMatrix(plain, leftOnly));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_NOTAVAIL);
}

TEST_F(MixerGains, SixChannelMixerTakesSourcesIntoTheirPairs) {
    // Stereo into the third pair, as a six-track render does.
    const DWORD stereo = mixWith("stereo.wav", 6, BASS_MIXER_MATRIX);
    std::vector<float> matrix(6 * 2, 0.0f);
    matrix[4 * 2 + 0] = 1;
    matrix[5 * 2 + 1] = 1;
    ASSERT_TRUE(BASS_Mixer_ChannelSetMatrix(stereo, matrix.data()));
    EXPECT_EQ(firstFrame(6), (std::vector<float>{0, 0, 0, 0, 0.4f, 0.6f}));

    // Mono into the second pair, both sides.
    const DWORD mono = mixWith("mono.wav", 6, BASS_MIXER_MATRIX);
    std::vector<float> column(6, 0.0f);
    column[2] = column[3] = 1;
    ASSERT_TRUE(BASS_Mixer_ChannelSetMatrix(mono, column.data()));
    EXPECT_EQ(firstFrame(6), (std::vector<float>{0, 0, 0.5f, 0.5f, 0, 0}));

    // Without a matrix a stereo source goes to the first pair.
    mixWith("stereo.wav", 6);
    EXPECT_EQ(firstFrame(6), (std::vector<float>{0.4f, 0.6f, 0, 0, 0, 0}));
}

TEST_F(MixerGains, EnvelopeRampsFromTheSourcesEntry) {
    m_mixer =
        BASS_Mixer_StreamCreate(44100, 2, BASS_STREAM_DECODE | BASS_MIXER_END | BASS_SAMPLE_FLOAT);
    m_source = openSource(file("mono.wav"));
    ASSERT_TRUE(BASS_Mixer_StreamAddChannelEx(m_mixer, m_source, 0, 100 * 8, 0));
    // 0 at the entry, 1 ten frames later (80 bytes of float stereo).
    const BASS_MIXER_NODE nodes[2] = {{0, 0.0f}, {80, 1.0f}};
    ASSERT_TRUE(BASS_Mixer_ChannelSetEnvelope(m_source, BASS_MIXER_ENV_VOL, nodes, 2));
    const std::vector<float> out = pullFloats(m_mixer, 2, 200, 7);
    for (int k = 0; k <= 12; ++k)
        EXPECT_NEAR(out[2 * (100 + k)], 0.5f * std::min(k, 10) / 10.0f, 1e-6) << "frame " << k;
    EXPECT_EQ(out[2 * 99], 0.0f);

    // Before the first node its value holds; count 0 removes the envelope.
    const BASS_MIXER_NODE late[1] = {{40, 0.2f}};
    const DWORD second = mixWith("mono.wav");
    ASSERT_TRUE(BASS_Mixer_ChannelSetEnvelope(second, BASS_MIXER_ENV_VOL, late, 1));
    EXPECT_NEAR(firstFrame()[0], 0.1f, 1e-7);
    const DWORD third = mixWith("mono.wav");
    ASSERT_TRUE(BASS_Mixer_ChannelSetEnvelope(third, BASS_MIXER_ENV_VOL, late, 1));
    ASSERT_TRUE(BASS_Mixer_ChannelSetEnvelope(third, BASS_MIXER_ENV_VOL, nullptr, 0));
    EXPECT_EQ(firstFrame()[0], 0.5f);

    const BASS_MIXER_NODE backwards[2] = {{80, 1.0f}, {0, 0.0f}};
    EXPECT_FALSE(BASS_Mixer_ChannelSetEnvelope(third, BASS_MIXER_ENV_VOL, backwards, 2));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLPARAM);
    EXPECT_FALSE(BASS_Mixer_ChannelSetEnvelope(third, 1, late, 1));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLTYPE);
}

TEST_F(MixerGains, TheProgramsFadeInSilencesOnlyTheFirstFrameOfSixteenBitStereo) {
    m_mixer = BASS_Mixer_StreamCreate(44100, 2, BASS_STREAM_DECODE | BASS_MIXER_END);
    m_source = openSource(file("mono.wav"));
    ASSERT_TRUE(BASS_Mixer_StreamAddChannelEx(m_mixer, m_source, 0, 0, 0));
    const BASS_MIXER_NODE nodes[2] = {{0, 0.0f}, {2 * 2, 1.0f}};
    ASSERT_TRUE(BASS_Mixer_ChannelSetEnvelope(m_source, BASS_MIXER_ENV_VOL, nodes, 2));
    int16_t frames[6];
    ASSERT_EQ(BASS_ChannelGetData(m_mixer, frames, sizeof frames), sizeof frames);
    EXPECT_EQ(frames[0], 0);
    EXPECT_EQ(frames[2], 16384);
    EXPECT_EQ(frames[5], 16384);
}

TEST_F(MixerGains, IntegerOutputsClipAndFloatKeepsItsHeadroom) {
    writeSound(file("loud.wav"), 44100, 2, 10,
               [](uint64_t, uint32_t chan) { return chan == 0 ? 1.5f : -1.5f; });
    writeConstant(file("half.wav"), 44100, 2, 10, 0.5f);
    struct Case {
        DWORD flags;
        const char* name;
        std::vector<int> expected; // first frame, left and right
    };
    for (const Case& c : {Case{0, "loud.wav", {32767, -32768}}, Case{0, "half.wav", {16384, 16384}},
                          Case{BASS_SAMPLE_8BITS, "loud.wav", {255, 0}},
                          Case{BASS_SAMPLE_8BITS, "half.wav", {192, 192}}}) {
        const DWORD mixer = BASS_Mixer_StreamCreate(44100, 2, BASS_STREAM_DECODE | c.flags);
        ASSERT_TRUE(BASS_Mixer_StreamAddChannelEx(mixer, openSource(file(c.name)), 0, 0, 0));
        if (c.flags & BASS_SAMPLE_8BITS) {
            uint8_t frame[2];
            ASSERT_EQ(BASS_ChannelGetData(mixer, frame, 2), 2u);
            EXPECT_EQ((std::vector<int>{frame[0], frame[1]}), c.expected) << c.name;
        } else {
            int16_t frame[2];
            ASSERT_EQ(BASS_ChannelGetData(mixer, frame, 4), 4u);
            EXPECT_EQ((std::vector<int>{frame[0], frame[1]}), c.expected) << c.name;
        }
    }
    mixWith("loud.wav");
    EXPECT_EQ(firstFrame(), (std::vector<float>{1.5f, -1.5f}));
}

TEST_F(MixerGains, LevelsFollowWhatWasMixed) {
    const DWORD buffered = mixWith("mono.wav", 2, BASS_MIXER_BUFFER);
    ASSERT_TRUE(BASS_ChannelSetAttribute(buffered, BASS_ATTRIB_PAN, -1));
    const DWORD plain = openSource(file("stereo.wav"));
    ASSERT_TRUE(BASS_Mixer_StreamAddChannelEx(m_mixer, plain, 0, 0, 0));
    pullFloats(m_mixer, 2, 1500);
    // Left: 0.5 + 0.4; right: 0.6.
    const DWORD level = BASS_ChannelGetLevel(m_mixer);
    EXPECT_NEAR(level & 0xFFFF, 0.9 * 32768, 1);
    EXPECT_NEAR(level >> 16, 0.6 * 32768, 1);
    EXPECT_EQ(BASS_Mixer_ChannelGetLevel(buffered), 16384u);
    const DWORD plainLevel = BASS_Mixer_ChannelGetLevel(plain);
    EXPECT_NEAR(plainLevel & 0xFFFF, 0.4 * 32768, 1);
    EXPECT_NEAR(plainLevel >> 16, 0.6 * 32768, 1);
    // Positions of the sources in their own bytes.
    EXPECT_EQ(BASS_Mixer_ChannelGetPosition(buffered, BASS_POS_BYTE), 1500u * 4);
    EXPECT_EQ(BASS_Mixer_ChannelGetPosition(plain, BASS_POS_BYTE), 1500u * 8);

    pullFloats(m_mixer, 2, 1000);
    EXPECT_EQ(BASS_ChannelIsActive(m_mixer), DWORD{BASS_ACTIVE_STOPPED});
    EXPECT_EQ(BASS_ChannelGetLevel(m_mixer), kFailure);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_NOPLAY);
}

// Wider sources: each channel has its own peak late in an odd-length block, mixed while the
// source still plays; by the default routing, even channels go left and odd ones right.
TEST_F(MixerGains, LevelsOfWiderSourcesTakeEachChannelsPeak) {
    struct Case {
        uint32_t chans;
        float left;
        float right;
    };
    for (const Case& c : {Case{3, 0.2f + 0.4f, 0.3f}, Case{4, 0.2f + 0.4f, 0.3f + 0.5f}}) {
        const std::string name = "wide" + std::to_string(c.chans) + ".wav";
        writeSound(file(name), 44100, c.chans, 2001, [](uint64_t frame, uint32_t chan) {
            return frame == 1000 - 3 * chan ? -0.1f * float(chan + 2) : 0.1f;
        });
        const DWORD source = mixWith(name, 2, BASS_MIXER_BUFFER);
        pullFloats(m_mixer, 2, 1001);
        const DWORD level = BASS_Mixer_ChannelGetLevel(source);
        EXPECT_NEAR(level & 0xFFFF, c.left * 32768, 1) << c.chans << " channels";
        EXPECT_NEAR(level >> 16, c.right * 32768, 1) << c.chans << " channels";
    }
}

TEST_F(MixerGains, VolumeSlideReachesItsTarget) {
    const DWORD source = mixWith("mono.wav");
    ASSERT_TRUE(BASS_ChannelSlideAttribute(source, BASS_ATTRIB_VOL, 0.0f, 30));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(firstFrame(), (std::vector<float>{0, 0}));
    EXPECT_FALSE(BASS_ChannelSlideAttribute(source, 77, 0.0f, 30));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLTYPE);
}

} // namespace
