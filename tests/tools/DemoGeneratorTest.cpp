#include "demogen/DemoPlan.h"
#include "demogen/DemoWriter.h"

#include "common/TempDir.h"
#include "model/Arrangement.h"
#include "planfile/PlanOperations.h"
#include "support/FaultLog.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <vector>

namespace {

struct Wav {
    SF_INFO info{};
    std::vector<short> samples; // interleaved
};

Wav Decode(const QString& path) {
    Wav wav;
    SNDFILE* file = sf_open(path.toLocal8Bit().constData(), SFM_READ, &wav.info);
    if (!file)
        return {};
    wav.samples.resize(wav.info.frames * wav.info.channels);
    wav.samples.resize(sf_readf_short(file, wav.samples.data(), wav.info.frames) *
                       wav.info.channels);
    sf_close(file);
    return wav;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class DemoGenerator : public ::testing::Test {
protected:
    void SetUp() override {
        faultlog::SetFolder(dir.path());
        ASSERT_EQ(WriteDemo(dir.path()), "");
        ASSERT_TRUE(LoadPlan(arrangement, dir.file(kDemoPlanFile), {}));
    }

    int64_t lengthInElements(const TRes& resource) const {
        return ElementsFromFrames(Decode(dir.file(resource.Name)).info.frames).count;
    }

    TempDir dir;
    Arrangement arrangement;
    const TThePlan& plan = arrangement.plan;
};

TEST_F(DemoGenerator, LoadsCleanlyAndEverySoundDecodesBesideThePlan) {
    EXPECT_EQ(plan.LoadMessages, "");
    EXPECT_EQ(plan.FileFormat, kFormatBinary);
    ASSERT_GT(arrangement.resources.Count(), 0);
    for (int i = 0; i < arrangement.resources.Count(); ++i) {
        const QString name = arrangement.resources.At(i).Name;
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(name, QDir(name).dirName()) << "not a bare file name";
        const Wav wav = Decode(dir.file(name));
        EXPECT_EQ(wav.info.samplerate, 44100);
        EXPECT_EQ(wav.info.channels, 2);
        EXPECT_EQ(wav.info.format & SF_FORMAT_SUBMASK, SF_FORMAT_PCM_16);
        ASSERT_GT(wav.samples.size(), 2u);
        // Heard, never clipped, and ending in silence so that no sound stops with a click.
        const auto peak = std::ranges::max(wav.samples, {}, [](short s) { return std::abs(s); });
        EXPECT_GT(std::abs(peak), 16000);
        EXPECT_LT(std::abs(peak), 32767);
        EXPECT_EQ(wav.samples.end()[-1], 0);
        EXPECT_EQ(wav.samples.end()[-2], 0);
    }
    // The plan loops channels; a lane whose life were unset or longer than its sound would
    // repeat it without end.
    for (int i = 0; i < arrangement.lanes.Count(); ++i) {
        const TPiece& piece = arrangement.lanes.At(i).Piece();
        ASSERT_NE(piece.Resource, nullptr) << "lane " << i;
        EXPECT_EQ(piece.Life.Value(), lengthInElements(*piece.Resource)) << "lane " << i;
        EXPECT_EQ(piece.ResEnd.Value(), piece.Life.Value()) << "lane " << i;
    }
}

TEST_F(DemoGenerator, HasDistinctlyColouredLanesAndOverAMinuteOfMusic) {
    ASSERT_GE(arrangement.lanes.Count(), 6);
    std::set<long double> hues;
    for (int i = 0; i < arrangement.lanes.Count(); ++i) {
        const TPiece& piece = arrangement.lanes.At(i).Piece();
        EXPECT_FALSE(piece.HueAuto());
        EXPECT_TRUE(piece.Hue() >= 0 && piece.Hue() < 360) << piece.Hue();
        hues.insert(piece.Hue());
    }
    EXPECT_EQ(hues.size(), static_cast<size_t>(arrangement.lanes.Count()));

    int32_t first = kCellMax;
    int32_t last = kCellMin;
    for (int i = 0; i < arrangement.balls.Count(); ++i) {
        const TBall& ball = arrangement.balls.At(i);
        EXPECT_NE(ball.Lane(), nullptr) << "a silent ball at " << ball.X() << "," << ball.Y();
        first = std::min(first, ball.X());
        last = std::max(last, ball.X());
    }
    const long double seconds =
        (last - first) * plan.ElementsPerStep() / (4.0L * plan.ElementRate.Value());
    EXPECT_GE(seconds, 60.0L);
}

TEST_F(DemoGenerator, OpensOnMusicWithItsLanesFromTheTopRow) {
    EXPECT_EQ(arrangement.room.OffsetY, 0);
    EXPECT_GE(arrangement.room.OffsetX, 0);
    // The first two bars, about what a first screen shows, sound most of the lanes.
    constexpr int32_t kFirstScreenSteps = 2 * kStepsPerBar;
    std::set<const TLane*> sounding;
    for (int i = 0; i < arrangement.balls.Count(); ++i) {
        const TBall& ball = arrangement.balls.At(i);
        if (ball.X() < kFirstScreenSteps)
            sounding.insert(ball.Lane());
    }
    EXPECT_GT(3 * static_cast<int>(sounding.size()), 2 * arrangement.lanes.Count())
        << sounding.size() << " of " << arrangement.lanes.Count() << " lanes";
}

TEST_F(DemoGenerator, LoopsARangeOfTheMusicAndLoopedSoundsKeepTime) {
    EXPECT_TRUE(plan.Master.RoundRobin);
    EXPECT_GE(plan.Start.count, 0);
    EXPECT_LT(plan.Start, plan.End);
    Elements lastStart{};
    for (int i = 0; i < arrangement.balls.Count(); ++i)
        lastStart = std::max(lastStart, arrangement.balls.At(i).Start());
    EXPECT_LE(plan.End, lastStart);

    // A ball living longer than its sound repeats it: whole repeats, each a whole number of steps.
    int looping = 0;
    for (int i = 0; i < arrangement.balls.Count(); ++i) {
        const TBall& ball = arrangement.balls.At(i);
        const long double life = ball.Values().EffectiveLife().count / 2.0L;
        const long double sound = lengthInElements(*ball.Values().EffectiveResource());
        if (life <= sound)
            continue;
        ++looping;
        const long double steps = sound / plan.ElementsPerStep();
        EXPECT_EQ(steps, std::round(steps)) << "ball " << i;
        EXPECT_EQ(life / sound, std::round(life / sound)) << "ball " << i;
    }
    EXPECT_GT(looping, 0);
}

TEST_F(DemoGenerator, WritesTheSameBytesEveryTimeAndTheBuildShipsThem) {
    TempDir again;
    ASSERT_EQ(WriteDemo(again.path()), "");
    const QString shipped = QStringLiteral(GBX_PROGRAM_DIR "/data/demo/");
    const QStringList names = QDir(dir.path()).entryList({"*.wav", "*.skw"}, QDir::Files);
    EXPECT_EQ(names.size(), arrangement.resources.Count() + 1);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = ReadAll(dir.file(name));
        EXPECT_EQ(bytes, ReadAll(again.file(name)));
        EXPECT_EQ(bytes, ReadAll(shipped + name));
    }
    EXPECT_EQ(QDir(again.path()).entryList({"*.wav", "*.skw"}, QDir::Files), names);
}

} // namespace
