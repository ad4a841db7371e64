// glorinbax --render on a small plan, in a program folder of its own beside the built engine.
#include "cli/RenderCommand.h"
#include "cli/CommandLine.h"
#include "common/TempDir.h"

#include <gtest/gtest.h>

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QtEndian>

#include <sndfile.h>

#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

constexpr int kRate = 8000;
constexpr int kToneFrames = 6000;

// A sound file as libsndfile decodes it: its layout and every sample as a 32-bit integer.
struct Decoded {
    SF_INFO info{};
    std::vector<int> samples;
};

Decoded decode(const QString& path) {
    Decoded decoded;
    SNDFILE* file = sf_open(path.toLocal8Bit().constData(), SFM_READ, &decoded.info);
    if (!file) {
        ADD_FAILURE() << path.toStdString() << ": " << sf_strerror(nullptr);
        return decoded;
    }
    decoded.samples.resize(static_cast<size_t>(decoded.info.frames * decoded.info.channels));
    EXPECT_EQ(sf_readf_int(file, decoded.samples.data(), decoded.info.frames), decoded.info.frames);
    sf_close(file);
    return decoded;
}

struct CliResult {
    int code;
    std::string out;
    std::string err;
};

// A program folder whose engine, encoder and texts are the built ones.
class RenderCommand : public ::testing::Test {
protected:
    void SetUp() override {
        const QString built = QStringLiteral(GBX_PROGRAM_DIR) + "/";
        for (const char* library :
             {"libgbxaudio.so", "libgbxaudiomix.so", "libgbxaudioflac.so", "libgbxlame.so"})
            ASSERT_TRUE(QFile::link(built + library, program.file(library))) << library;
        ASSERT_TRUE(QDir(program.path()).mkpath("data"));
        ASSERT_TRUE(QFile::link(built + "data/parlance", program.file("data/parlance")));
        writeTone(work.file("tone.wav"));
        writePlan(work.file("plan.skw"), "tone.wav");
    }

    CliResult run(const std::vector<std::string>& args) {
        std::ostringstream out, err;
        const int code = RunRenderCommand(program.file("glorinbax").toStdString(), args, out, err);
        return {code, out.str(), err.str()};
    }
    std::string path(const char* name) const { return work.file(name).toStdString(); }

    // 16-bit stereo, a constant level.
    static void writeTone(const QString& path) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        QDataStream data(&out);
        data.setByteOrder(QDataStream::LittleEndian);
        const quint32 bytes = kToneFrames * 4;
        out.write("RIFF");
        data << quint32(36 + bytes);
        out.write("WAVEfmt ");
        data << quint32(16) << quint16(1) << quint16(2) << quint32(kRate) << quint32(kRate * 4)
             << quint16(4) << quint16(16);
        out.write("data");
        data << bytes;
        for (int i = 0; i < kToneFrames * 2; ++i)
            data << qint16(8000);
    }
    // One lane playing the tone from the first step; the range covers it.
    static void writePlan(const QString& path, const QString& sound) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QString("[Main]\r\nFormatVersion=2\r\nMPH=120\r\nFrameResolution=32\r\n"
                          "Frames=4\r\nElementRate=%1\r\nStart=0\r\nEnd=%2\r\n"
                          "[Lane.0]\r\nPosition=0\r\nLoudness=1\r\nResource=%3\r\n"
                          "[0]\r\nX=0\r\nY=0\r\n")
                      .arg(kRate)
                      .arg(kToneFrames * 4)
                      .arg(sound)
                      .toUtf8());
    }

    TempDir program;
    TempDir work;
};

TEST_F(RenderCommand, RendersThePlanToACompleteWavFile) {
    const CliResult done =
        run({"--render", path("plan.skw"), path("out.wav"), "--bits", "8", "--tracks", "1"});
    ASSERT_EQ(done.code, kExitOk) << done.err;
    EXPECT_NE(done.out.find("Rendered " + path("out.wav")), std::string::npos) << done.out;
    EXPECT_NE(done.err.find("100%"), std::string::npos) << "progress lines off a terminal";
    QFile file(work.file("out.wav"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 44 + kToneFrames);
    EXPECT_EQ(qFromLittleEndian<uint16_t>(bytes.constData() + 22), 1) << "tracks";
    EXPECT_EQ(qFromLittleEndian<uint16_t>(bytes.constData() + 34), 8) << "bits";
    EXPECT_EQ(qFromLittleEndian<uint32_t>(bytes.constData() + 40), uint32_t{kToneFrames});
    // 8000 of 32768 on the unsigned 8-bit scale, after the fade-in frame.
    EXPECT_EQ(static_cast<uint8_t>(bytes[44 + 100]), 128 + 31);

    const CliResult mp3 = run({"--render", path("plan.skw"), path("out.mp3"), "--vbr"});
    ASSERT_EQ(mp3.code, kExitOk) << mp3.err;
    EXPECT_GT(QFile(work.file("out.mp3")).size(), 0);
}

TEST_F(RenderCommand, BadArgumentsAndFailuresHaveTheirCodesAndSayWhy) {
    const std::vector<std::vector<std::string>> bad = {
        {"--render", path("plan.skw")},
        {"--render", path("plan.skw"), path("o.wav"), "--bits", "12"},
        {"--render", path("plan.skw"), path("o.wav"), "--tracks", "0"},
        {"--render", path("plan.skw"), path("o.wav"), "--vbr"}};
    for (const auto& args : bad) {
        const CliResult r = run(args);
        EXPECT_EQ(r.code, kExitBadArguments) << args.back();
        EXPECT_NE(r.err.find("usage: glorinbax --render PLAN"), std::string::npos) << r.err;
    }

    const CliResult noPlan = run({"--render", path("none.skw"), path("o.wav")});
    EXPECT_EQ(noPlan.code, kExitFailed);
    EXPECT_NE(noPlan.err.find("none.skw"), std::string::npos) << noPlan.err;

    writePlan(work.file("lost.skw"), "lost.wav");
    const CliResult noSound = run({"--render", path("lost.skw"), path("o.wav")});
    EXPECT_EQ(noSound.code, kExitFailed);
    EXPECT_NE(noSound.err.find("lost.wav"), std::string::npos) << noSound.err;

    const CliResult noFolder = run({"--render", path("plan.skw"), path("no/o.wav")});
    EXPECT_EQ(noFolder.code, kExitFailed);
    EXPECT_NE(noFolder.err.find("no/o.wav"), std::string::npos) << noFolder.err;
    EXPECT_EQ(noFolder.out.find("Rendered"), std::string::npos);
}

TEST_F(RenderCommand, FlacAndVorbisAreEncodedByTheExtension) {
    ASSERT_EQ(run({"--render", path("plan.skw"), path("ref.wav")}).code, kExitOk);
    const CliResult flac = run({"--render", path("plan.skw"), path("out.FLAC")});
    ASSERT_EQ(flac.code, kExitOk) << flac.err;
    const Decoded wav = decode(work.file("ref.wav"));
    const Decoded lossless = decode(work.file("out.FLAC"));
    EXPECT_EQ(lossless.info.format, SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
    EXPECT_EQ(lossless.info.samplerate, kRate);
    ASSERT_EQ(wav.samples.size(), size_t{kToneFrames * 2});
    EXPECT_EQ(lossless.samples, wav.samples) << "16-bit FLAC is the WAV render, sample for sample";

    // 24 bits: the same level, its low byte the float mix's finer part.
    const CliResult wide = run({"--render", path("plan.skw"), path("wide.flac"), "--bits", "24"});
    ASSERT_EQ(wide.code, kExitOk) << wide.err;
    const Decoded deep = decode(work.file("wide.flac"));
    EXPECT_EQ(deep.info.format, SF_FORMAT_FLAC | SF_FORMAT_PCM_24);
    ASSERT_EQ(deep.samples.size(), wav.samples.size());
    for (size_t i = 0; i < wav.samples.size(); ++i)
        ASSERT_LE(std::abs(deep.samples[i] - wav.samples[i]), 1 << 16) << "sample " << i;

    const CliResult ogg = run({"--render", path("plan.skw"), path("out.ogg"), "--tracks", "1"});
    ASSERT_EQ(ogg.code, kExitOk) << ogg.err;
    const Decoded lossy = decode(work.file("out.ogg"));
    EXPECT_EQ(lossy.info.format, SF_FORMAT_OGG | SF_FORMAT_VORBIS);
    EXPECT_EQ(lossy.info.samplerate, kRate);
    EXPECT_EQ(lossy.info.channels, 1);
    EXPECT_LE(std::abs(lossy.info.frames - kToneFrames), 1);
}

TEST_F(RenderCommand, AnOutputItCannotWriteIsRefusedBeforeAnythingIsWritten) {
    for (const char* name : {"out.xyz", "out", "out.flac.txt"}) {
        const CliResult r = run({"--render", path("plan.skw"), path(name)});
        EXPECT_EQ(r.code, kExitBadArguments) << name;
        EXPECT_NE(r.err.find(".wav, .mp3, .flac or .ogg"), std::string::npos) << r.err;
        EXPECT_FALSE(QFile::exists(work.file(name))) << name;
    }
    const std::vector<std::vector<std::string>> widths = {
        {"--render", path("plan.skw"), path("o.wav"), "--bits", "24"},
        {"--render", path("plan.skw"), path("o.flac"), "--bits", "8"},
        {"--render", path("plan.skw"), path("o.ogg"), "--bits", "16"}};
    for (const auto& args : widths) {
        EXPECT_EQ(run(args).code, kExitBadArguments) << args[2];
        EXPECT_FALSE(QFile::exists(QString::fromStdString(args[2]))) << args[2];
    }
}

} // namespace
