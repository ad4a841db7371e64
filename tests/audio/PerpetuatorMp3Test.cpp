// Renders into MP3 files through the encoder library, read back with libsndfile.
#include "RenderTestSupport.h"

#include "texts/Parlance.h"

#include <QFileInfo>

#include <sndfile.h>

#include <cmath>

using namespace audiotest;
using State = TThePerpetuator::State;

namespace {

constexpr int32_t kRate = 44100;
constexpr int64_t kSoundFrames = 44100 + 777; // not a whole number of encoder chunks
constexpr int64_t kMp3FrameSamples = 1152;

struct Decoded {
    int tracks = 0;
    int rate = 0;
    int64_t frames = 0;
};

Decoded decode(const QString& path) {
    SF_INFO info{};
    SNDFILE* sound = sf_open(path.toLocal8Bit().constData(), SFM_READ, &info);
    if (!sound)
        return {};
    // Counted by reading: the header's count may leave out the encoder's trimming.
    std::vector<float> block(4096 * static_cast<size_t>(info.channels));
    int64_t frames = 0;
    for (sf_count_t got; (got = sf_readf_float(sound, block.data(), 4096)) > 0;)
        frames += got;
    sf_close(sound);
    return {info.channels, info.samplerate, frames};
}

class Mp3Rendering : public RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        TThePlan& p = plan.arrangement.plan;
        p.ElementRate.SetValue(kRate);
        p.RecomputeTiming();
        // A tone that changes its loudness, so that a variable rate has something to vary by.
        WriteWav(file("tone.wav"), kRate, 2, kSoundFrames, [](int64_t f, int track) {
            const double swell = 0.5 + 0.5 * std::sin(f * 0.0003);
            return static_cast<float>(0.4 * swell * std::sin(f * (track ? 0.031 : 0.047)));
        });
        plan.AddLane(0, file("tone.wav"));
        plan.AddBall(0, 0);
        p.Start = Elements{0};
        p.End = ElementsFromFrames(kSoundFrames);
        settings.encoderLibrary = ProgramFile("libgbxlame.so");
    }
    RenderSettings settings;
};

} // namespace

TEST_F(Mp3Rendering, DecodesToThePlansLengthInStereoAtItsRate) {
    settings.mp3.bitRate = 192;
    ASSERT_EQ(render(order("cbr.mp3", 16, 2, RenderOutput::Mp3), settings), State::Rendered);
    const Decoded cbr = decode(file("cbr.mp3"));
    EXPECT_EQ(cbr.tracks, 2);
    EXPECT_EQ(cbr.rate, kRate);
    EXPECT_NEAR(static_cast<double>(cbr.frames), kSoundFrames, kMp3FrameSamples);

    // Six tracks asked for, and 32 bits: an MP3 takes two tracks of 16 bits.
    auto six = start(order("six.mp3", 32, 6, RenderOutput::Mp3), settings);
    EXPECT_EQ(six->Format().tracks, 2u);
    EXPECT_EQ(six->Format().bits, 16u);
    runToEnd(*six);
    ASSERT_EQ(six->Outcome(), State::Rendered);
    EXPECT_EQ(decode(file("six.mp3")).tracks, 2);

    // A variable rate makes another, smaller file of the same music.
    settings.mp3.bitRate = 320;
    ASSERT_EQ(render(order("vbr.mp3", 16, 2, RenderOutput::Mp3Vbr), settings), State::Rendered);
    const Decoded vbr = decode(file("vbr.mp3"));
    EXPECT_EQ(vbr.tracks, 2);
    EXPECT_NEAR(static_cast<double>(vbr.frames), kSoundFrames, kMp3FrameSamples);
    EXPECT_LT(QFileInfo(file("vbr.mp3")).size(), QFileInfo(file("cbr.mp3")).size());

    // Mono when one track is asked for.
    ASSERT_EQ(render(order("mono.mp3", 16, 1, RenderOutput::Mp3), settings), State::Rendered);
    EXPECT_EQ(decode(file("mono.mp3")).tracks, 1);
}

TEST_F(Mp3Rendering, AMissingOrWrongEncoderIsAReportLineNotACrash) {
    settings.encoderLibrary = file("nowhere/lame_enc.dll");
    auto missing = start(order("missing.mp3", 16, 2, RenderOutput::Mp3), settings);
    EXPECT_EQ(missing->Outcome(), State::Failed);
    EXPECT_FALSE(QFileInfo::exists(file("missing.mp3")));
    std::vector<ReportLine> lines = reports();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].subject, '"' + file("nowhere/lame_enc.dll") + '"');
    EXPECT_TRUE(lines[0].text.startsWith(Text(358) + ' ')) << lines[0].text.toStdString();
    EXPECT_TRUE(lines[0].isError);

    // A library without the encoder's calls.
    settings.encoderLibrary = ProgramFile("libgbxaudio.so");
    EXPECT_EQ(render(order("wrong.mp3", 16, 2, RenderOutput::Mp3), settings), State::Failed);
    lines = reports();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].text.startsWith(Text(358) + ' '));

    // A record the encoder refuses: no MP3 bit rate of 1000 kbit/s.
    settings.encoderLibrary = ProgramFile("libgbxlame.so");
    settings.mp3.bitRate = 1000;
    EXPECT_EQ(render(order("refused.mp3", 16, 2, RenderOutput::Mp3), settings), State::Failed);
    lines = reports();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].subject, '"' + file("refused.mp3") + '"');
    EXPECT_TRUE(lines[0].text.startsWith(Text(359) + ' '));
}
