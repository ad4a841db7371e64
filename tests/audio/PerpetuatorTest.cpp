// Renders of small plans into WAV files: headers, sample positions, output pairs, ends and aborts.
#include "RenderTestSupport.h"

#include "audio/AudioOutput.h"
#include "audio/HeadlessMinglerHost.h"
#include "audio/Mingler.h"
#include "texts/TextFormat.h"

#include <QFile>
#include <QtEndian>

#include <cmath>

using namespace audiotest;
using State = TThePerpetuator::State;

namespace {

constexpr int kClickFrames = 16;
constexpr float kClick = 0.5f;

QByteArray le(uint32_t value, int bytes) {
    QByteArray out(4, 0);
    qToLittleEndian(value, out.data());
    return out.left(bytes);
}

class Rendering : public RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        WriteWav(file("click.wav"), PlanFixture::kRate, 2, kClickFrames,
                 [](int64_t, int) { return kClick; });
        WriteWav(file("ramp.wav"), PlanFixture::kRate, 2, 3000,
                 [](int64_t f, int) { return Ramp(f); });
    }
    // A step of (60 / 97) x 8000 elements: no whole number, and no multiple of four.
    void oddTiming() {
        plan.arrangement.plan.MPH.SetValue(97);
        plan.arrangement.plan.FrameResolution.SetValue(32);
        plan.arrangement.plan.RecomputeTiming();
    }
    static int64_t elementOfStep(int x) { return std::llround(x * 60.0L * 8000 / 97); }
    // A sound enters at `frame` with its one-frame fade-in: silent before and at it, loud after.
    static void expectEntry(const WavFile& wav, int64_t frame, uint32_t track) {
        if (frame > 0) {
            EXPECT_EQ(wav.At(frame - 1, track), 0) << frame;
        }
        EXPECT_EQ(wav.At(frame, track), 0) << frame;
        EXPECT_GT(std::abs(wav.At(frame + 1, track)), 0.2) << frame;
    }
    std::vector<ReportLine> lines;
};

} // namespace

TEST_F(Rendering, HeadersAreGoldenAndTheirSizesPatchedAtTheEnd) {
    plan.AddLane(0, file("click.wav"));
    plan.AddBall(0, 0);
    plan.SetRange(0, 1);
    const struct {
        uint32_t bits, tracks, tag, byteRate, blockAlign;
    } cases[] = {{8, 1, 1, 8000, 1},   {8, 2, 1, 16000, 2},  {8, 6, 1, 48000, 6},
                 {16, 1, 1, 16000, 2}, {16, 2, 1, 32000, 4}, {16, 6, 1, 96000, 12},
                 {32, 1, 3, 32000, 4}, {32, 2, 3, 64000, 8}, {32, 6, 3, 192000, 24}};
    for (const auto& c : cases) {
        const QString name = QString("h%1x%2.wav").arg(c.bits).arg(c.tracks);
        ASSERT_EQ(render(order(name, c.bits, c.tracks)), State::Rendered) << name.toStdString();
        const uint32_t data = kClickFrames * c.blockAlign; // the mix ends with the click
        const QByteArray expected = "RIFF" + le(36 + data, 4) + "WAVEfmt " + le(16, 4) +
                                    le(c.tag, 2) + le(c.tracks, 2) + le(8000, 4) +
                                    le(c.byteRate, 4) + le(c.blockAlign, 2) + le(c.bits, 2) +
                                    "data" + le(data, 4);
        const WavFile wav(file(name));
        EXPECT_EQ(wav.bytes.left(44).toHex(), expected.toHex()) << name.toStdString();
        EXPECT_EQ(wav.bytes.size(), qsizetype{44} + data) << name.toStdString();
    }
}

TEST_F(Rendering, BallsLandAtTheirElementsFromZeroAndFromAStartInside) {
    oddTiming();
    plan.AddLane(0, file("click.wav"), -1); // left only
    plan.AddLane(1, file("ramp.wav"), 1);   // right only
    const int steps[] = {0, 1, 3, 7, 10};
    for (int x : steps)
        plan.AddBall(x, 0);
    plan.arrangement.plan.End = Elements{elementOfStep(12)};
    const std::pair<uint32_t, uint32_t> formats[] = {{16, 2}, {8, 2}, {32, 2}, {16, 3}, {8, 6}};
    for (const auto& [bits, tracks] : formats) {
        const QString name = QString("p%1x%2.wav").arg(bits).arg(tracks);
        ASSERT_EQ(render(order(name, bits, tracks)), State::Rendered);
        for (int x : steps)
            expectEntry(WavFile(file(name)), elementOfStep(x) / 4, 0);
    }

    // From two frames after the ramp's ball: the ramp sounds at once, two frames into itself;
    // the click before the start has sounded out; later balls count from the start.
    plan.AddBall(2, 1);
    const int64_t from = elementOfStep(2) + 8;
    plan.arrangement.plan.Start = Elements{from};
    ASSERT_EQ(render(order("inside.wav")), State::Rendered);
    const WavFile wav(file("inside.wav"));
    EXPECT_EQ(wav.At(0, 1), 0);
    EXPECT_EQ(wav.At(1, 1), RampInMix(3) / 32768.0);
    EXPECT_EQ(wav.At(2, 1), RampInMix(4) / 32768.0);
    for (int64_t f = 0; f < (elementOfStep(3) - from) / 4; ++f)
        ASSERT_EQ(wav.At(f, 0), 0) << f;
    for (int x : {3, 7, 10})
        expectEntry(wav, (elementOfStep(x) - from) / 4, 0);
}

TEST_F(Rendering, SixTracksTakeLanePositionsRoundTheirThreePairs) {
    const float left[] = {0.01f, 0.02f, 0.04f, 0.08f};
    const float right[] = {0.1f, 0.2f, 0.3f, 0.4f};
    for (int position = 0; position < 4; ++position) {
        const QString name = QString("dc%1.wav").arg(position);
        WriteWav(file(name), PlanFixture::kRate, 2, 100,
                 [&](int64_t, int track) { return track == 0 ? left[position] : right[position]; });
        plan.AddLane(position, file(name));
        plan.AddBall(0, position);
    }
    WriteWav(file("mono.wav"), PlanFixture::kRate, 1, 100, [](int64_t, int) { return 0.5f; });
    plan.AddLane(-1, file("mono.wav"));
    plan.AddBall(0, -1);
    plan.SetRange(0, 1);
    ASSERT_EQ(render(order("six.wav", 32, 6)), State::Rendered);
    // Positions 0 and 3 share the first pair, 1 the second, 2 and -1 (mono) the third.
    const double expected[] = {0.01 + 0.08, 0.1 + 0.4, 0.02, 0.2, 0.04 + 0.5, 0.3 + 0.5};
    const WavFile wav(file("six.wav"));
    for (uint32_t track = 0; track < 6; ++track)
        EXPECT_NEAR(wav.At(50, track), expected[track], 1e-6) << track;
}

TEST_F(Rendering, AnAbortedRenderNamesItsProgressAndLeavesAWholeFile) {
    plan.AddLane(0, file("ramp.wav"));
    for (int x = 0; x < 8; ++x)
        plan.AddBall(x, 0);
    plan.SetRange(0, 8); // 64000 bytes of 16-bit stereo
    RenderSettings settings;
    settings.bufferBytes = 24000;
    auto job = start(order("aborted.wav"), settings);
    EXPECT_EQ(job->Progress(), "0.00");
    job->RenderTick();
    EXPECT_EQ(job->Progress(), "37.50");
    EXPECT_EQ(host.titleRefreshes, 1);
    job->OpenFile = true;
    job->Abort();
    EXPECT_EQ(job->Outcome(), State::Aborted);
    lines = reports();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].subject, FormatText(342, {file("aborted.wav")}) + " (37.50%)");
    EXPECT_TRUE(lines[0].text.startsWith("took "));
    EXPECT_FALSE(lines[0].isError);
    EXPECT_EQ(host.opened, QStringList{file("aborted.wav")});
    const WavFile wav(file("aborted.wav"));
    EXPECT_EQ(wav.Field32(40), 24000u);
    EXPECT_EQ(wav.bytes.size(), 44 + 24000);
}

TEST_F(Rendering, EndlessLoopsStopAtTheRangeEndAndBigFilesAtTheWavLimit) {
    plan.AddLane(0, file("ramp.wav"));
    plan.AddBall(0, 0);
    plan.arrangement.plan.Master.RoundRobin = true; // the ramp loops without end
    plan.SetRange(0, 3);
    auto loop = start(order("loop.wav"));
    runToEnd(*loop);
    EXPECT_EQ(loop->Outcome(), State::Rendered);
    EXPECT_EQ(loop->Progress(), "100.00");
    EXPECT_EQ(WavFile(file("loop.wav")).Field32(40), 3 * PlanFixture::kStepElements);
    lines = reports();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].subject, FormatText(342, {file("loop.wav")}));

    // An empty range: an empty file, and no percentage to divide out.
    plan.SetRange(2, 2);
    auto empty = start(order("empty.wav"));
    EXPECT_EQ(empty->Progress(), "");
    runToEnd(*empty);
    EXPECT_EQ(WavFile(file("empty.wav")).Field32(40), 0u);

    // Past the size limit (made small here) the file is cut, and says so.
    plan.SetRange(0, 8);
    RenderSettings settings;
    settings.wavDataLimit = 10002; // whole frames: 10000
    reports();
    ASSERT_EQ(render(order("cut.wav"), settings), State::Cut);
    const WavFile cut(file("cut.wav"));
    EXPECT_EQ(cut.Field32(40), 10000u);
    EXPECT_EQ(cut.Field32(4), 10036u);
    lines = reports();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].subject, FormatText(343, {file("cut.wav")}));
    EXPECT_TRUE(lines[0].isError);
}

TEST_F(Rendering, FailuresAreReportedAndNeverCalledRendered) {
    plan.AddLane(0, file("ramp.wav"));
    plan.AddBall(0, 0);
    plan.SetRange(0, 1);
    EXPECT_EQ(render(order("missing/out.wav")), State::Failed);
    lines = reports();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].subject, '"' + file("missing/out.wav") + '"');
    EXPECT_TRUE(lines[0].isError);

    // A count past a byte is taken as 255, not wrapped; the engine mixes no more than 32.
    auto wide = start(order("wide.wav", 16, 300));
    EXPECT_EQ(wide->Format().tracks, 255u);
    EXPECT_EQ(wide->Outcome(), State::Failed);
    EXPECT_FALSE(QFile::exists(file("wide.wav")));
    lines = reports();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].text.startsWith("BASS_Mixer_StreamCreate "));

    // The output restarts under a running render: its mixer is gone, not ended.
    RenderSettings settings;
    settings.bufferBytes = 400;
    auto orphan = start(order("orphan.wav"), settings);
    orphan->OpenInEditor = true;
    orphan->RenderTick();
    ASSERT_TRUE(orphan->Active());
    ASSERT_TRUE(Bass().BASS_Free());
    ASSERT_TRUE(Bass().BASS_Init(0, 44100, 0, nullptr, nullptr));
    orphan->RenderTick();
    EXPECT_EQ(orphan->Outcome(), State::Failed);
    lines = reports();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].isError);
    EXPECT_TRUE(host.opened.isEmpty());
}

TEST_F(Rendering, RendersRunTogetherBesideLivePlaybackWithoutDisturbingIt) {
    plan.AddLane(0, file("ramp.wav"), -0.5);
    plan.AddLane(1, file("click.wav"), 0.5);
    for (int x = 0; x < 6; ++x)
        plan.AddBall(x, x % 2);
    plan.SetRange(0, 6);
    AudioOutput output;
    HeadlessMinglerHost minglerHost;
    TTheMingler mingler(plan.arrangement, output, minglerHost,
                        {false, false, TTheMingler::Output::Decode});
    hooks.Attach(&plan.arrangement, &mingler, &minglerHost);
    mingler.Roll(Elements{0});
    const std::vector<int16_t> liveAlone =
        PullFrames(mingler.Handle(), 6 * PlanFixture::kStepFrames);
    ASSERT_EQ(render(order("solo.wav")), State::Rendered);

    mingler.Roll(Elements{0});
    RenderSettings small;
    small.bufferBytes = 1000;
    auto a = start(order("a.wav"), small, &mingler);
    auto b = start(order("b.wav"), small, &mingler);
    std::vector<int16_t> live;
    while (a->Active() || b->Active() || live.size() < liveAlone.size()) {
        a->RenderTick();
        const std::vector<int16_t> chunk = PullFrames(mingler.Handle(), 501);
        live.insert(live.end(), chunk.begin(), chunk.end());
        b->RenderTick();
    }
    live.resize(liveAlone.size());
    EXPECT_EQ(live, liveAlone);
    const QByteArray solo = WavFile(file("solo.wav")).bytes;
    EXPECT_EQ(WavFile(file("a.wav")).bytes, solo);
    EXPECT_EQ(WavFile(file("b.wav")).bytes, solo);
    hooks.Attach(&plan.arrangement, nullptr, nullptr);
}
