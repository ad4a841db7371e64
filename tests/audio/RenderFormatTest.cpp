// The render's byte scales, output pairs, size limit, encoder record and dialog choices.
#include "AudioTestSupport.h"

#include "audio/EncoderRecord.h"
#include "audio/RenderDialog.h"
#include "audio/RenderFormat.h"
#include "audio/WavHeader.h"

#include <gtest/gtest.h>

#include <QtEndian>

namespace {

// The first output track each source track feeds, -1 for none.
std::vector<int> rowsOf(const std::vector<float>& matrix, int columns) {
    std::vector<int> rows(static_cast<size_t>(columns), -1);
    for (size_t i = matrix.size(); i-- > 0;) {
        if (matrix[i] == 1.0f)
            rows[i % columns] = static_cast<int>(i / columns);
    }
    return rows;
}

} // namespace

TEST(RenderFormat, PairsTakeLanePositionsRoundTheOutputPairs) {
    // Six tracks: positions 0, 1, 2, 3 feed the pairs at 0, 2, 4, 0; negative ones wrap too.
    const std::pair<int64_t, std::vector<int>> stereo[] = {{0, {0, 1}}, {1, {2, 3}},  {2, {4, 5}},
                                                           {3, {0, 1}}, {-1, {4, 5}}, {-6, {0, 1}}};
    for (const auto& [position, rows] : stereo)
        EXPECT_EQ(rowsOf(PairMatrix(6, position, 2), 2), rows) << position;
    EXPECT_EQ(PairMatrix(6, 1, 1), (std::vector<float>{0, 0, 1, 1, 0, 0})) << "mono: both sides";
    // Wider sources send track p (and p + 1 past three) to output p; columns the source does not
    // have are left out, never written past the matrix.
    EXPECT_EQ(rowsOf(PairMatrix(8, 1, 3), 3), (std::vector<int>{-1, -1, 2}));
    EXPECT_EQ(PairMatrix(8, 2, 3), std::vector<float>(24, 0.0f));
    EXPECT_EQ(rowsOf(PairMatrix(8, 1, 4), 4), (std::vector<int>{-1, -1, 2, 3}));
    EXPECT_EQ(rowsOf(PairMatrix(5, 3, 2), 2), (std::vector<int>{2, 3})) << "two pairs of five";
    EXPECT_EQ(MatrixRows({1, 0, 0, 0.5f}, 2, 3), (std::vector<float>{1, 0, 0, 0.5f, 0, 0}));
}

TEST(RenderFormat, FarPositionsAndTheWavLimitStayExact) {
    EXPECT_EQ(RenderFormat({32, 255}).BytesOfElements(Elements{int64_t{1} << 56}),
              (uint64_t{1} << 56) * 255);
    EXPECT_EQ(RenderFormat({16, 2}).BytesOfElements(Elements{-8}), 0u);
    // RIFF size = data + 36 must fit 32 bits, in whole frames.
    EXPECT_EQ(WavDataLimit({44100, 1, 8}), 0xFFFFFFDBu);
    EXPECT_EQ(WavDataLimit({44100, 6, 32}), 4294967256u);
}

TEST(EncoderRecordBytes, ConstantAndVariableRatesFillTheirFields) {
    const auto field = [](const EncoderRecordBytes& record, size_t at) {
        return qFromLittleEndian<int32_t>(&record[at]);
    };
    Mp3Settings settings;
    settings.bitRate = 256;
    settings.vbrMinBitRate = 96;
    const EncoderRecordBytes cbr = EncoderRecord(settings, 48000, 2, false);
    const std::pair<size_t, int32_t> fields[] = {
        {0, 256}, {4, 1},  {8, 331}, {12, 48000}, {16, 48000}, {20, 1}, {24, 256}, {28, 0},
        {32, -1}, {36, 1}, {56, -1}, {60, -1},    {68, 0},     {72, 0}, {80, 0}};
    for (const auto& [at, value] : fields)
        EXPECT_EQ(field(cbr, at), value) << at;
    EXPECT_EQ(qFromLittleEndian<uint16_t>(&cbr[92]), 2) << "quality";
    EXPECT_TRUE(std::all_of(cbr.begin() + 94, cbr.end(), [](uint8_t b) { return b == 0; }));

    const EncoderRecordBytes vbr = EncoderRecord(settings, 48000, 1, true);
    const std::pair<size_t, int32_t> vbrFields[] = {
        {20, 3}, {24, 96}, {28, 256}, {68, -1}, {72, 5}};
    for (const auto& [at, value] : vbrFields)
        EXPECT_EQ(field(vbr, at), value) << at;
}

TEST(RenderDialog, EntriesOneAndTwoAreMp3AndTheBitsFollowTheEntry) {
    audiotest::LoadEngine(); // and the English texts
    const QStringList entries = RenderFilter(true, 44100, 10, 320).split('|', Qt::SkipEmptyParts);
    ASSERT_EQ(entries.size(), 16);
    EXPECT_EQ(entries[0], "MP3, 44100 Hz, stereo, 320 kbit/s");
    EXPECT_EQ(entries[4], "Wave, 8 bits, 44100 Hz, 10 tracks");
    EXPECT_EQ(entries[8], "Wave, 32-bit float, 44100 Hz, 10 tracks");
    EXPECT_EQ(entries[12], "FLAC, 24 bits, 44100 Hz, 8 tracks") << "as many as FLAC holds";
    EXPECT_EQ(entries[15], "*.ogg");
    EXPECT_EQ(RenderFilter(false, 44100, 2, 320).split('|', Qt::SkipEmptyParts).size(), 16);
    EXPECT_EQ(RenderFilterIndex(0, 24), 4);
    for (int index = 1; index <= 8; ++index) {
        const RenderChoice choice = RenderChoiceOf(index);
        EXPECT_EQ(RenderFilterIndex(StoredFormat(choice.output), static_cast<int32_t>(choice.bits)),
                  index);
    }
    EXPECT_EQ(RenderChoiceOf(2).output, RenderOutput::Mp3Vbr);
    EXPECT_EQ(RenderChoiceOf(3).bits, 8u);
    EXPECT_EQ(RenderChoiceOf(7).bits, 24u);
}

TEST(RenderDialog, TheNamesOwnExtensionDecidesAndANameWithoutOneGetsTheEntrys) {
    QString name = "/tmp/take";
    EXPECT_EQ(RenderChoiceForFile(7, name).output, RenderOutput::Flac);
    EXPECT_EQ(name, "/tmp/take.flac");
    name = "/tmp/take.";
    RenderChoiceForFile(2, name);
    EXPECT_EQ(name, "/tmp/take.mp3");
    name = "/tmp/take.v1";
    EXPECT_EQ(RenderChoiceForFile(8, name).output, RenderOutput::Vorbis);
    EXPECT_EQ(name, "/tmp/take.v1.ogg");

    name = "/tmp/take.MP3";
    EXPECT_EQ(RenderChoiceForFile(2, name).output, RenderOutput::Mp3Vbr) << "the entry's own";
    EXPECT_EQ(RenderChoiceForFile(3, name).output, RenderOutput::Mp3);
    name = "/tmp/take.wav";
    const RenderChoice wav = RenderChoiceForFile(7, name);
    EXPECT_EQ(wav.output, RenderOutput::Wav);
    EXPECT_EQ(wav.bits, 16u);
    EXPECT_EQ(name, "/tmp/take.wav");
}
