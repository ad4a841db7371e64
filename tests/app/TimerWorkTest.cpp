#include "WindowFakes.h"
#include "app/AutoSave.h"
#include "app/DimAnimation.h"
#include "app/FadeIn.h"
#include "app/LineTicker.h"
#include "app/MasterMeterFeed.h"
#include "app/RenderTicks.h"
#include "common/TempDir.h"
#include "controls/ControlFakes.h"
#include "controls/DrawingSurfaces.h"
#include "controls/PeakMeter.h"
#include "model/Arrangement.h"
#include "support/FaultLog.h"
#include "support/Report.h"
#include "support/Stopwatch.h"
#include "support/WideMemIniFile.h"
#include "texts/Parlance.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTimer>

#include <cmath>

namespace {

QString faultLog() {
    QFile file(faultlog::FilePath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class FadeInTest : public ::testing::Test {
protected:
    // Ticks until the timer stops, at most a limit.
    int ticksToFinish(int limit = 10000) {
        int ticks = 0;
        while (timer.isActive() && ticks < limit) {
            fade.Tick();
            ++ticks;
        }
        return ticks;
    }

    FakeAudio audio;
    FakePeers peers;
    Arrangement arrangement{audio};
    QTimer timer;
    FadeIn fade{timer, arrangement, peers};
};

TEST_F(FadeInTest, RisesByTheStepToTheMasterLoudnessAndStops) {
    arrangement.plan.SetMasterLoudness(0.5L, false);
    audio.playing = true;
    fade.Start(0.2L);
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(ticksToFinish(), 3);
    ASSERT_EQ(audio.volumes.size(), 3u);
    EXPECT_NEAR(static_cast<double>(audio.volumes[1]), 0.4, 1e-12);
    EXPECT_EQ(audio.volumes.back(), 0.5L);
    EXPECT_EQ(peers.fadeShown, audio.volumes);
    EXPECT_EQ(fade.FadeLoudness(), 0.5L);
}

TEST_F(FadeInTest, AStepOfZeroOrLessOrNotANumberIsTakenAsTheDefaultStep) {
    for (long double step : {0.0L, -0.3L, static_cast<long double>(NAN)}) {
        peers.fadeShown.clear();
        fade.Start(step);
        const int ticks = ticksToFinish();
        EXPECT_EQ(peers.fadeShown.front(), kDefaultFadeInStep) << static_cast<double>(step);
        EXPECT_NEAR(ticks, 200, 1); // 200 steps of 0.005, give or take the last rounding
        EXPECT_EQ(fade.FadeLoudness(), 1.0L);
    }
    EXPECT_TRUE(audio.volumes.empty()); // no mix stream, nothing set
}

TEST(DimAnimationTest, DimmingTakesSixStepsAndAnUndimRightAfterEndsUndimmed) {
    FakeHost host;
    DrawingSurfaces surfaces;
    std::vector<QString> journal; // outlives the controls, which note their end
    TCtrlList list(host, surfaces);
    RecordingControl& control = list.Create<RecordingControl>("c", journal);
    QTimer timer;
    DimAnimation dim(timer, list);

    dim.Start(true);
    std::vector<int> alphas;
    while (timer.isActive()) {
        dim.Tick();
        alphas.push_back(surfaces.DimAlpha);
    }
    EXPECT_EQ(alphas, (std::vector<int>{238, 221, 204, 187, 170, 153}));
    EXPECT_TRUE(dim.DimmedNow());
    EXPECT_EQ(host.repaints, std::vector<bool>(6, false));

    control.Dimmed = true;
    dim.Start(true);
    dim.Tick();
    dim.Start(false);
    EXPECT_FALSE(dim.DimmedNow());
    while (timer.isActive())
        dim.Tick();
    EXPECT_EQ(surfaces.DimAlpha, kUndimmedAlpha);
    EXPECT_FALSE(control.Dimmed);
    EXPECT_FALSE(dim.DimmedNow());
}

class LineTickerTest : public ::testing::Test {
protected:
    LineTickerTest() {
        faultlog::SetFolder(logDir.path());
        line.audio = &audio;
        ticker.SetLine(&line);
        timer.start(1000);
    }

    TempDir logDir;
    QTimer timer;
    FakeAudio audio;
    FakeMixer mixer;
    FakePeers peers;
    FakeLine line;
    int meterFeeds = 0;
    bool meterAnswer = true;
    bool meterThrows = false;
    LineTicker ticker{{timer, audio, mixer, peers, [this] {
                           ++meterFeeds;
                           if (meterThrows)
                               throw std::runtime_error("the meters broke");
                           return meterAnswer;
                       }}};
};

TEST_F(LineTickerTest, WhileRollingTheMetersAndTheLineFollowUnderTheLockAndLineFaultsStayThere) {
    ticker.Run(true);
    EXPECT_EQ(peers.watchPaints, std::vector<bool>{true});
    EXPECT_EQ(meterFeeds, 0);
    audio.playing = true;
    ticker.Run(false);
    EXPECT_EQ(meterFeeds, 1);
    EXPECT_EQ(peers.laneMeterUpdates, 1);
    EXPECT_EQ(line.lockedUpdates, 1);
    EXPECT_EQ(audio.lockDepth, 0);
    meterAnswer = false; // the stream stopped by itself
    ticker.Run(false);
    EXPECT_EQ(line.updates, 1);

    meterAnswer = true;
    line.updateThrows = true;
    ticker.Run(false);
    EXPECT_TRUE(
        faultLog().contains("TheRoom.TheLine.UpdateLine was at fault here: the line broke"));
    EXPECT_EQ(mixer.restarts, 0);
    EXPECT_TRUE(timer.isActive());
}

TEST_F(LineTickerTest, ATickFaultRestartsTheEngineOnceAndALastingOneStopsTheTimer) {
    reportqueue::SetAccepting(true);
    reportqueue::TakeAll();
    audio.playing = true;
    meterThrows = true;
    ticker.Run(false);
    EXPECT_TRUE(faultLog().contains("LineTimer was at fault here: the meters broke"));
    EXPECT_EQ(mixer.restarts, 1);
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(audio.lockDepth, 0);

    ticker.Run(false);
    EXPECT_EQ(mixer.restarts, 1);
    EXPECT_FALSE(timer.isActive());
    const std::vector<ReportLine> lines = reportqueue::TakeAll();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].subject, "LineTimer");
    EXPECT_TRUE(lines[0].isError);

    // A good tick in between makes the next fault restart again.
    timer.start();
    meterThrows = false;
    ticker.Run(false);
    meterThrows = true;
    ticker.Run(false);
    EXPECT_EQ(mixer.restarts, 2);
    reportqueue::SetAccepting(false);
}

class MasterMeterFeedTest : public ::testing::Test {
protected:
    MasterMeterFeedTest() {
        faultlog::SetFolder(logDir.path());
        surfaces.GrowTo(40, 40, Qt::white);
    }
    bool feed() {
        return UpdateMasterMeters(mixer, &left, &right,
                                  {surfaces, host, {0, 0, 40, 40, 40, 40}, colours, true, true});
    }
    QRgb at(int x, int y) const { return surfaces.CompositionBitmap.pixel(x, y); }

    TempDir logDir;
    FakeMixer mixer;
    FakeHost host;
    DrawingSurfaces surfaces;
    MasterMeterStyle colours;
    TThePeakMeter left{TThePeakMeter::Side::Left};
    TThePeakMeter right{TThePeakMeter::Side::Right};
};

TEST_F(MasterMeterFeedTest, HalvesGoLeftAndRightAStoppedStreamSettlesAFailureIsSilence) {
    mixer.level = {LevelReading::Status::Ok, 32768u << 16, {}};
    EXPECT_TRUE(feed());
    EXPECT_EQ(at(1, 2), ToQColor(colours.BG).rgb());
    EXPECT_EQ(at(38, 2), ToQColor(colours.Normal).rgb());

    host.copied.clear();
    mixer.level = {LevelReading::Status::NotPlaying, 0, {}};
    EXPECT_FALSE(feed());
    EXPECT_EQ(mixer.streamEnds, 1);
    EXPECT_TRUE(host.copied.empty());

    mixer.level = {LevelReading::Status::Failed, 0xFFFFFFFF, "BASS_ERROR_HANDLE"};
    EXPECT_TRUE(feed());
    EXPECT_TRUE(faultLog().contains("BASS_ChannelGetLevel BASS_ERROR_HANDLE"));
    EXPECT_EQ(at(1, 38), ToQColor(colours.BG).rgb());

    mixer.levelThrows = true;
    EXPECT_TRUE(feed());
    EXPECT_TRUE(faultLog().contains("BASS_ChannelGetLevel was at fault here: the level broke"));
}

TEST(RenderTicksTest, ActiveRendersStepAndFinishedOnesLeaveTheList) {
    FakeMixer mixer;
    mixer.renders = {1, 0, 3, -4};
    EXPECT_TRUE(TickRenders(mixer));
    EXPECT_EQ(mixer.ticked, (std::vector<int>{3, 1}));
    EXPECT_EQ(mixer.renders, (std::vector<int>{1, 3}));
    mixer.renders = {0};
    EXPECT_FALSE(TickRenders(mixer)) << "the last render left";
}

class AutoSaveTest : public ::testing::Test {
protected:
    AutoSaveTest() {
        FreeParlance();
        faultlog::SetFolder(dir.path());
        TWideMemIniFile settings(QString{});
        settings.SetText("[Main]\nLanguages=English\nLanguageCodes=en\n");
        LoadParlance(settings, QString(GBX_SOURCE_DIR) + "/data/");
        reportqueue::SetAccepting(true);
        reportqueue::TakeAll();
    }
    ~AutoSaveTest() override {
        reportqueue::SetAccepting(false);
        FreeParlance();
    }

    TempDir dir;
    Arrangement arrangement;
    TGenericStopwatch stopwatch;
    bool active = true;
    AutoSave autoSave{arrangement, dir.path(), stopwatch, [this] { return active; }};
};

TEST_F(AutoSaveTest, SavesAChangedPlanOfTheActiveProgramAndSaysHowLongItTook) {
    const QString file = dir.file(Text(319));
    EXPECT_FALSE(autoSave.Tick());
    arrangement.plan.SetModified(64, true);
    active = false;
    EXPECT_FALSE(autoSave.Tick());
    EXPECT_FALSE(QFile::exists(file));
    active = true;
    arrangement.plan.FileFormat = 4;
    ASSERT_TRUE(autoSave.Tick());
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith("GLRNBX"));
    EXPECT_TRUE(arrangement.plan.Modified());
    EXPECT_TRUE(arrangement.plan.Untitled);
    const std::vector<ReportLine> lines = reportqueue::TakeAll();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].subject, "Saved automatically to " + file);
}

} // namespace
