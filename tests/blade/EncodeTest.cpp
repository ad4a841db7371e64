// MP3 files from the encoder library decode at the length, rate and channel count put in.
#include "Mp3TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>

using namespace mp3test;

namespace {

constexpr int mp3FrameSamples = 1152;

std::string tagName(const std::vector<uint8_t>& mp3, const FrameHeader& first) {
    const std::string frame(mp3.begin() + static_cast<long>(first.offset),
                            mp3.begin() + static_cast<long>(first.offset + first.bytes));
    return frame.find("Xing") != std::string::npos   ? "Xing"
           : frame.find("Info") != std::string::npos ? "Info"
                                                     : "none";
}

// Frame of the loudest clearly audible sample of `channel` within `window` frames of
// `around`; -1 when there is none.
int64_t peakNear(const Decoded& decoded, int channel, int64_t around, int64_t window) {
    int64_t best = -1;
    int loudest = 4000;
    for (int64_t frame = std::max<int64_t>(0, around - window);
         frame < std::min(decoded.frames, around + window); ++frame) {
        const int sample = std::abs(decoded.samples[frame * decoded.channels + channel]);
        if (sample > loudest) {
            loudest = sample;
            best = frame;
        }
    }
    return best;
}

} // namespace

TEST(BladeEncode, ConstantRateStereoIsGaplessWithUniformFrames) {
    const int length = 2 * 44100 + 321; // ends inside a frame
    const std::vector<int> clickFrames{700, 30001, 88000};
    const auto mp3 = encode(cbrRecord(44100, 320), clicks(2, length, clickFrames));

    const Decoded decoded = decode(mp3);
    EXPECT_EQ(decoded.channels, 2);
    EXPECT_EQ(decoded.rate, 44100);
    EXPECT_NEAR(decoded.frames, length, mp3FrameSamples);
    // Encoder delay trimmed: every click is heard where it was put.
    for (int click : clickFrames)
        for (int channel = 0; channel < 2; ++channel)
            EXPECT_NEAR(peakNear(decoded, channel, click, mp3FrameSamples), click, 2)
                << "click " << click << " channel " << channel;

    const auto headers = frames(mp3);
    ASSERT_FALSE(headers.empty());
    EXPECT_EQ(headers.back().offset + headers.back().bytes, mp3.size()) << "bytes after the frames";
    EXPECT_EQ(tagName(mp3, headers.front()), "Info");
    for (const FrameHeader& header : headers) {
        EXPECT_EQ(header.kbps, 320);
        EXPECT_TRUE(header.bytes == 1044 || header.bytes == 1045) << header.bytes;
    }
}

TEST(BladeEncode, VariableRateVariesWithinItsLimitsAndDiffersFromConstant) {
    const int length = 3 * 48000;
    const auto pcm = music(2, length, 48000);
    const auto constant = encode(cbrRecord(48000, 128), pcm);
    const auto variable = encode(vbrRecord(48000, 0, 160, 2), pcm);
    EXPECT_NE(variable, constant);

    const auto headers = frames(variable);
    ASSERT_FALSE(headers.empty());
    EXPECT_EQ(tagName(variable, headers.front()), "Xing");
    std::set<int> rates;
    for (const FrameHeader& header : headers)
        rates.insert(header.kbps);
    EXPECT_GT(rates.size(), 2u);
    EXPECT_LE(*rates.rbegin(), 160);

    const Decoded decoded = decode(variable);
    EXPECT_EQ(decoded.channels, 2);
    EXPECT_EQ(decoded.rate, 48000);
    EXPECT_NEAR(decoded.frames, length, mp3FrameSamples);
}

TEST(BladeEncode, MonoModeTakesOneChannel) {
    GbxLameConfig record = cbrRecord(22050, 64);
    record.mode = GBXLAME_MODE_MONO;
    const int length = 22050 + 77;
    const Decoded decoded = decode(encode(record, clicks(1, length, {5000})));
    EXPECT_EQ(decoded.channels, 1);
    EXPECT_EQ(decoded.rate, 22050);
    EXPECT_NEAR(decoded.frames, length, mp3FrameSamples);
    EXPECT_NEAR(peakNear(decoded, 0, 5000, mp3FrameSamples), 5000, 2);
}

TEST(BladeEncode, OutputRateResamplesAndZeroKeepsTheInputRate) {
    struct Case {
        int in, out, kbps, expectedRate;
    };
    // 8 kHz to 48 kHz at 320 kbit/s fills six times the frames a chunk would at its own rate.
    for (const Case c : {Case{48000, 44100, 192, 44100}, Case{8000, 48000, 320, 48000},
                         Case{32000, 0, 128, 32000}}) {
        GbxLameConfig record = cbrRecord(c.in, c.kbps);
        record.outputRate = c.out;
        const int length = 3 * c.in;
        const Decoded decoded = decode(encode(record, music(2, length, c.in)));
        EXPECT_EQ(decoded.rate, c.expectedRate) << c.in << " -> " << c.out;
        EXPECT_NEAR(decoded.frames, int64_t{length} * c.expectedRate / c.in, mp3FrameSamples)
            << c.in << " -> " << c.out;
    }
}
