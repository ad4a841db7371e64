// Resources: the ".mogg" scan, measuring Life, memory images, the list and its tidying.
#include "AudioTestSupport.h"

#include "audio/MinglerHooks.h"
#include "audio/ResourceSound.h"
#include "model/ResourceTidy.h"
#include "texts/Parlance.h"

#include <QFile>

using namespace audiotest;

namespace {

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
}

TEST(OggPageScan, FindsTheFirstPageAlsoAcrossBlocks) {
    TempDir dir;
    const QString path = dir.file("song.mogg");
    for (const qsizetype at : {qsizetype{0}, qsizetype{17}, qsizetype{4092}, qsizetype{4094},
                               qsizetype{4095}, qsizetype{4096}, qsizetype{9000}}) {
        QByteArray bytes(12000, 'x');
        bytes.replace(at, 4, "OggS");
        bytes.replace(11000, 4, "OggS"); // a later page
        WriteBytes(path, bytes);
        EXPECT_EQ(FindOggPage(path), at) << at;
    }
    WriteBytes(path, QByteArray(5000, 'x') + "OggS");
    EXPECT_EQ(FindOggPage(path), 5000); // in the short last block
    WriteBytes(path, QByteArray(8192, 'x'));
    EXPECT_EQ(FindOggPage(path), 0);
    EXPECT_EQ(FindOggPage(dir.file("missing.mogg")), 0);
}

class Resources : public AudioTest {
protected:
    // Measures a file of `frames` frames at `rate` with `tracks` tracks in a plan at `planRate`.
    TRes measured(const QString& name, uint32_t rate, int tracks, int64_t frames,
                  int32_t planRate) {
        WriteWav(file(name), rate, tracks, frames, [](int64_t, int) { return 0.25f; });
        TRes resource(name, file(name));
        OpenResource(resource, false, planRate);
        return resource;
    }
};

TEST_F(Resources, LifeIsOnTheMixScaleWhateverTheTracksAndRate) {
    // 8 units a frame at the plan's rate.
    EXPECT_EQ(measured("mono.wav", 44100, 1, 1000, 44100).Life, 8000);
    EXPECT_EQ(measured("stereo.wav", 44100, 2, 1000, 44100).Life, 8000);
    const TRes six = measured("six.wav", 44100, 6, 1000, 44100);
    EXPECT_EQ(six.Life, 8000);
    EXPECT_EQ(six.Tracks, 6);
    EXPECT_EQ(six.SampleBytes, 4);
    EXPECT_EQ(six.OrigBits, 32u);
    const TRes slow = measured("slow.wav", 22050, 1, 1000, 44100);
    EXPECT_EQ(slow.RateRatio, 0.5L);
    EXPECT_EQ(slow.Life, 16000);
    EXPECT_EQ(slow.Frames(), 2000);
    // 1000 frames at 22050 per second, however they count at the mix's rate.
    EXPECT_NEAR(slow.DurationMs(), 1000.0 / 22050 * 1000, 1e-6);
    EXPECT_TRUE(reports().empty());
}

TEST_F(Resources, MoggDecodesFromItsFirstPageFromFileAndFromMemory) {
    const QByteArray ogg = OggVorbisBytes(8000, 2, 4000);
    ASSERT_TRUE(ogg.startsWith("OggS"));
    // A header whose end leaves the first page straddling the first two blocks.
    WriteBytes(file("song.mogg"), QByteArray(4094, 'h') + ogg);
    for (const bool inMemory : {false, true}) {
        TRes song("song.mogg", file("song.mogg"));
        OpenResource(song, inMemory, 8000);
        EXPECT_EQ(song.DataOffset, 4094);
        EXPECT_EQ(song.Life, 4000 * 8) << inMemory;
        EXPECT_EQ(song.MemoryImage.size(), inMemory ? ogg.size() : 0);
    }
    // Only ".mogg" names are scanned.
    WriteBytes(file("song.ogg"), ogg);
    TRes plain("song.ogg", file("song.ogg"));
    OpenResource(plain, true, 8000);
    EXPECT_EQ(plain.DataOffset, 0);
    EXPECT_EQ(plain.MemoryImage, ogg);
    EXPECT_EQ(plain.Life, 4000 * 8);
    EXPECT_TRUE(reports().empty());
}

TEST_F(Resources, UnreadableFileKeepsLifeUnsetAndIsReported) {
    WriteBytes(file("noise.wav"), QByteArray(100, 'z'));
    TRes broken("noise.wav", file("noise.wav"));
    OpenResource(broken, false, 44100);
    EXPECT_EQ(broken.Life, -1);
    const std::vector<ReportLine> lines = reports();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].subject, "\"noise.wav\"");
    EXPECT_TRUE(lines[0].text.endsWith(" (BASS_StreamCreateFile)"));
}

TEST_F(Resources, ListSharesFindsDeletesAndTidies) {
    MinglerHooks hooks;
    PlanFixture plan(hooks);
    Arrangement& arrangement = plan.arrangement;
    hooks.Attach(&arrangement, nullptr, nullptr);
    WriteWav(file("kick.wav"), 8000, 1, 100, [](int64_t, int) { return 0.5f; });
    WriteWav(file("snare.wav"), 8000, 1, 100, [](int64_t, int) { return 0.5f; });
    TResources& resources = arrangement.resources;

    TLane& one = plan.AddLane(0, file("kick.wav"));
    TLane& two = plan.AddLane(1, file("kick.wav"));
    EXPECT_EQ(one.Piece().Resource, two.Piece().Resource); // shared
    EXPECT_EQ(one.Piece().Resource->Life, 800);            // opened and measured on adding
    TRes* snare = resources.FindOrAdd(file("snare.wav"), {});
    TRes* unused = resources.Add(file("snare.wav"), {}); // a second of the same name
    ASSERT_EQ(resources.Count(), 3);
    EXPECT_EQ(resources.Find(file("snare.wav")), snare); // the first stays the one found
    EXPECT_EQ(resources.Find(file("SNARE.wav")), nullptr);
    plan.AddBall(0, 5).EditPiece().Resource = snare;
    plan.AddBall(1, 5).EditPiece().Resource = snare;

    TidyResources(arrangement);
    EXPECT_EQ(resources.Count(), 2);
    EXPECT_EQ(resources.Find(file("snare.wav")), snare);
    EXPECT_EQ(&resources.At(1), snare);
    const std::vector<ReportLine> lines = reports();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text, Text(348));
    EXPECT_EQ(lines[1].text, Text(347) + Text(66) + ": 2");
    EXPECT_EQ(lines[2].subject, '"' + file("kick.wav") + '"');
    EXPECT_EQ(lines[2].text, Text(347) + Text(21) + ": 2");
    (void)unused;

    plan.AddBall(3, 0).EditPiece().Resource = one.Piece().Resource;
    TidyResources(arrangement);
    EXPECT_EQ(reports().back().text, Text(347) + Text(66) + ": 1, " + Text(21) + ": 2");
}

} // namespace
