#include "AudioTestSupport.h"

#include "audio/AudioFaults.h"
#include "support/FaultLog.h"
#include "support/WideMemIniFile.h"
#include "texts/Parlance.h"

#include <QDataStream>
#include <QFile>
#include <QTemporaryFile>

#include <sndfile.h>

#include <cmath>

namespace audiotest {

QString ProgramFile(const QString& name) {
    return QStringLiteral(GBX_PROGRAM_DIR) + "/" + name;
}

void LoadEngine() {
    static const bool loaded = [] {
        TWideMemIniFile settings(QString{});
        settings.SetText("[Main]\nLanguages=English\nLanguageCodes=en\n");
        LoadParlance(settings, QStringLiteral(GBX_SOURCE_DIR) + "/data/");
        QString error;
        return LoadBassLibrary(ProgramFile("libgbxaudio.so"), error) &&
               LoadBassMixLibrary(ProgramFile("libgbxaudiomix.so"), error);
    }();
    ASSERT_TRUE(loaded);
}

void WriteWav(const QString& path, uint32_t rate, int tracks, int64_t frames,
              const SampleFunction& sample) {
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    QDataStream data(&out);
    data.setByteOrder(QDataStream::LittleEndian);
    data.setFloatingPointPrecision(QDataStream::SinglePrecision);
    const auto dataBytes = static_cast<quint32>(frames * tracks * 4);
    out.write("RIFF");
    data << quint32(36 + dataBytes);
    out.write("WAVEfmt ");
    data << quint32(16) << quint16(3) << quint16(tracks) << quint32(rate)
         << quint32(rate * tracks * 4) << quint16(tracks * 4) << quint16(32);
    out.write("data");
    data << dataBytes;
    for (int64_t f = 0; f < frames; ++f) {
        for (int t = 0; t < tracks; ++t)
            data << sample(f, t);
    }
}

QByteArray OggVorbisBytes(uint32_t rate, int tracks, int64_t frames) {
    QTemporaryFile out;
    if (!out.open())
        return {};
    SF_INFO info{};
    info.samplerate = static_cast<int>(rate);
    info.channels = tracks;
    info.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    SNDFILE* sound = sf_open(out.fileName().toLocal8Bit().constData(), SFM_WRITE, &info);
    if (!sound)
        return {};
    std::vector<float> data(static_cast<size_t>(frames * tracks));
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = 0.25f * static_cast<float>(std::sin(static_cast<double>(i / tracks) * 0.05));
    sf_writef_float(sound, data.data(), frames);
    sf_close(sound);
    return out.readAll();
}

float Ramp(int64_t frame) {
    return static_cast<float>(frame + 1) / 4096.0f;
}

int16_t RampInMix(int64_t frame) {
    return static_cast<int16_t>((frame + 1) * 8);
}

void AudioTest::SetUp() {
    LoadEngine();
    faultlog::SetFolder(m_dir.path());
    reportqueue::SetAccepting(true);
    reportqueue::TakeAll();
    ASSERT_TRUE(Bass().BASS_Init(0, 44100, 0, nullptr, nullptr)) << BassErrorText();
}

void AudioTest::TearDown() {
    DrainAudioFaults();
    Bass().BASS_PluginFree(0);
    Bass().BASS_Free();
    reportqueue::TakeAll();
    reportqueue::SetAccepting(false);
}

std::vector<ReportLine> AudioTest::reports() {
    DrainAudioFaults();
    return reportqueue::TakeAll();
}

QStringList AudioTest::faults() {
    DrainAudioFaults();
    QFile log(faultlog::FilePath());
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(log.readAll()).split("\r\n", Qt::SkipEmptyParts);
}

PlanFixture::PlanFixture(AudioHooks& hooks) : arrangement(hooks) {
    TThePlan& plan = arrangement.plan;
    plan.ElementRate.SetValue(kRate);
    plan.MPH.SetValue(120);
    plan.FrameResolution.SetValue(64); // (60 / 120) x 8000 x 64 / 32 = 8000 elements a step
    plan.RecomputeTiming();
    TPiece& master = plan.Master;
    master.Loudness.SetValue(1.0L);
    master.Pan.SetValue(0.0L);
    master.Life.SetValue(int64_t{0});
    master.ResStart.SetValue(int64_t{0});
}

TLane& PlanFixture::AddLane(int32_t position, const QString& soundFile, long double pan) {
    TLane& lane = arrangement.lanes.Add(position, 20, false);
    lane.Piece().Resource = arrangement.resources.FindOrAdd(soundFile, {});
    lane.Piece().Pan.SetValue(pan);
    return lane;
}

TBall& PlanFixture::AddBall(int32_t x, int32_t y) {
    TBall* ball = arrangement.balls.Add(x, y, TPiece::kNoOwnHue, false);
    EXPECT_NE(ball, nullptr);
    return *ball;
}

void PlanFixture::SetRange(int64_t startSteps, int64_t endSteps) {
    arrangement.plan.Start = Elements{startSteps * kStepElements};
    arrangement.plan.End = Elements{endSteps * kStepElements};
}

std::vector<int16_t> PullFrames(DWORD mixer, int64_t frames) {
    std::vector<int16_t> out(static_cast<size_t>(frames * 2));
    size_t done = 0;
    // Odd read sizes, so that block edges fall anywhere.
    constexpr size_t kChunkFrames = 997;
    while (done < out.size()) {
        const size_t want = std::min(out.size() - done, kChunkFrames * 2);
        const DWORD got = Bass().BASS_ChannelGetData(mixer, out.data() + done,
                                                     static_cast<DWORD>(want * sizeof(int16_t)));
        if (got == ~DWORD{0} || got == 0)
            break;
        done += got / sizeof(int16_t);
    }
    out.resize(done);
    return out;
}

int64_t FirstSounding(const std::vector<int16_t>& stereo, int track, int64_t from) {
    for (int64_t f = from; f < static_cast<int64_t>(stereo.size() / 2); ++f) {
        if (Sample(stereo, f, track) != 0)
            return f;
    }
    return -1;
}

} // namespace audiotest
