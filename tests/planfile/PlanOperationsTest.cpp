#include "common/TempDir.h"
#include "model/RecordingHooks.h"
#include "planfile/BinaryPlanWriter.h"
#include "planfile/PlanBytes.h"
#include "planfile/PlanTitle.h"
#include "support/FaultLog.h"
#include "support/Report.h"
#include "texts/Parlance.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <csignal>
#include <random>
#include <sys/resource.h>
#include <utility>
#include <vector>

namespace {

class PlanOperations : public ::testing::Test {
protected:
    PlanOperations() {
        FillWithNumbers();
        faultlog::SetFolder(dir.path());
        reportqueue::SetAccepting(true);
        reportqueue::TakeAll();
        StartFromDefaults(arrangement);
    }
    ~PlanOperations() override { reportqueue::SetAccepting(false); }

    // Loads as the open command does: empty lists first.
    bool Load(const QString& path) {
        arrangement.balls.RemoveAll(false);
        arrangement.lanes.RemoveAll();
        arrangement.plan.FileName = path;
        return LoadPlan(arrangement, path, {});
    }

    TempDir dir;
    RecordingAudio audio;
    RecordingWindow window;
    Arrangement arrangement{audio, window};
    TThePlan& plan = arrangement.plan;
};

TEST_F(PlanOperations, EmptyOrMissingFileFailsWithTheDefaultsAndADerivedEnd) {
    WriteAll(dir.file("empty.skw"), {});
    plan.MPH.SetText("60");
    for (const QString& path : {dir.file("empty.skw"), dir.file("missing.skw")}) {
        EXPECT_FALSE(Load(path));
        EXPECT_EQ(plan.LoadMessages, Text(198));
        EXPECT_EQ(plan.Start, Elements{0});
        EXPECT_EQ(plan.End, Elements{11289600}); // 32 x 352800
        EXPECT_EQ(plan.MPH.Text(), "120");
        EXPECT_TRUE(plan.Untitled); // left as it was
    }
}

// Whatever the INI reading makes of a picture, a document or noise, none of it is a plan: the
// load fails as for an unreadable file, and the plan is left without a file the next keep could
// write over. Plans of every form, even the smallest, still load.
TEST_F(PlanOperations, FilesThatAreNoPlansAreRefusedAndKeptFromTheNextKeep) {
    std::mt19937 random(13);
    QByteArray noise;
    for (int i = 0; i < 300; ++i)
        noise.append(static_cast<char>(random() & 0xFF));
    const std::vector<std::pair<const char*, QByteArray>> notPlans = {
        {"noise.skw", noise},
        {"photo.skw", Bytes("89 \"PNG\" 0D 0A 1A 0A 00 00 00 0D \"IHDR\"") + noise.left(120)},
        {"letter.skw", "Dear neighbours,\n\nthe party starts at 8.\nX marks the spot: [garden]\n"},
        {"notes.ini", "; a settings file of some other program\n[Window]\nWidth=640\n"
                      "[Recent]\nFile1=/home/a.txt\n"}};
    for (const auto& [name, bytes] : notPlans) {
        SCOPED_TRACE(name);
        const QString path = dir.file(name);
        ASSERT_TRUE(WriteAll(path, bytes));
        plan.Untitled = false;
        plan.MPH.SetText("60");
        EXPECT_FALSE(Load(path));
        EXPECT_EQ(plan.LoadMessages, Text(198));
        EXPECT_TRUE(plan.Untitled);
        EXPECT_EQ(plan.MPH.Text(), "120");
        EXPECT_EQ(arrangement.balls.Count(), 0);
    }

    const std::vector<std::pair<const char*, QByteArray>> plans = {
        {"binary.skw", WriteBinaryPlan(arrangement).bytes},
        {"text.skw", "[Main]\r\n"},
        {"list.skw", "[main]\r\nFormatVersion=1\r\n[Resources]\r\nkick.wav\r\n"},
        {"oldest.skw", "[7]\r\ny=2\r\n"}};
    for (const auto& [name, bytes] : plans) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(WriteAll(dir.file(name), bytes));
        plan.Untitled = true;
        EXPECT_TRUE(Load(dir.file(name))) << plan.LoadMessages.toStdString();
        EXPECT_FALSE(plan.Untitled);
        EXPECT_EQ(plan.LoadMessages, QString());
    }
    EXPECT_EQ(arrangement.balls.Count(), 1); // the oldest form's ball
}

TEST_F(PlanOperations, LoadFinishesWithEndFlagsLoudnessTimeTitleAndOutput) {
    plan.Start = Elements{352800};
    plan.MasterLoudness.SetText("0.5");
    arrangement.lanes.Add(0, 20, false);
    arrangement.balls.Add(1, 0, TPiece::kNoOwnHue, false);
    ASSERT_TRUE(SavePlan(arrangement, dir.file("a.skw"), kFormatBinary, false));
    window.titleChanges = 0;

    ASSERT_TRUE(Load(dir.file("a.skw")));
    EXPECT_EQ(plan.FileFormat, 4);
    EXPECT_FALSE(plan.Untitled);
    EXPECT_EQ(plan.End, Elements{11289600});
    EXPECT_EQ(arrangement.room.StartFlag().Position, Elements{352800});
    EXPECT_EQ(arrangement.room.EndFlag().Position, Elements{11289600});
    EXPECT_EQ(arrangement.room.EndFlag().PixelX, 8 * 20 + 32 * 20 - 1);
    EXPECT_EQ(plan.LoadedMasterLoudness, 0.5L);
    EXPECT_FALSE(plan.LoadTime.isNull());
    EXPECT_GE(window.titleChanges, 1);
    EXPECT_EQ(arrangement.balls.Count(), 1);
    EXPECT_TRUE(audio.reinitRates.empty()); // the same element rate

    plan.ElementRate.SetText("48000");
    ASSERT_TRUE(SavePlan(arrangement, dir.file("other.skw"), kFormatText, false));
    plan.ElementRate.SetText("44100");
    ASSERT_TRUE(Load(dir.file("other.skw")));
    EXPECT_EQ(audio.reinitRates, std::vector<int32_t>{48000});
}

TEST_F(PlanOperations, BinaryFileWithAFaultFailsAndIsNotReadAsText) {
    QByteArray image = WriteBinaryPlan(arrangement).bytes;
    image += Bytes("02 00 10 00 03 00 00 00 1E 00   23 00");
    WriteAll(dir.file("bad.skw"), image);
    EXPECT_FALSE(Load(dir.file("bad.skw")));
    EXPECT_EQ(plan.FileFormat, 4);
    EXPECT_EQ(arrangement.lanes.Count(), 1);
    EXPECT_EQ(plan.MasterLoudness.Text(), "0.8"); // as read, not reset by a text reader
    EXPECT_TRUE(plan.LoadMessages.contains(QStringLiteral("tag 35")));
}

TEST_F(PlanOperations, SaveFormatsAndTheirBytes) {
    arrangement.balls.Add(2, 3, TPiece::kNoOwnHue, false);
    ASSERT_TRUE(SavePlan(arrangement, dir.file("b.skw"), kFormatBinary, false));
    EXPECT_EQ(ReadAll(dir.file("b.skw")), WriteBinaryPlan(arrangement).bytes);
    ASSERT_TRUE(SavePlan(arrangement, dir.file("t.skw"), kFormatText, false));
    EXPECT_TRUE(ReadAll(dir.file("t.skw")).startsWith("[Main]\r\nFormatVersion=2\r\n"));
    ASSERT_TRUE(SavePlan(arrangement, dir.file("balls.skw"), kFormatBallSections, false));
    EXPECT_EQ(ReadAll(dir.file("balls.skw")), QByteArray("[0]\r\nX=2\r\nY=3\r\n"));
    // A new plan or one from the oldest form has no writer of its own: it is saved as text.
    ASSERT_TRUE(SavePlan(arrangement, dir.file("new.skw"), kFormatOldest, false));
    EXPECT_EQ(ReadAll(dir.file("new.skw")), ReadAll(dir.file("t.skw")));
}

TEST_F(PlanOperations, UnknownFormatsFailAndCutValuesAreReported) {
    EXPECT_FALSE(SavePlan(arrangement, dir.file("x.skw"), 5, false));
    EXPECT_FALSE(QFile::exists(dir.file("x.skw")));
    plan.Master.Handle = QString(70000, QLatin1Char('x'));
    EXPECT_TRUE(SavePlan(arrangement, dir.file("long.skw"), kFormatBinary, false));
    const auto lines = reportqueue::TakeAll();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].subject, GetText(361) + ": PlanWriteError");
    EXPECT_TRUE(lines[0].isError);
    EXPECT_TRUE(lines[1].text.startsWith("Handle"));
}

TEST_F(PlanOperations, FailedSaveLeavesTheOldFileUntouched) {
    const QString path = dir.file("keep.skw");
    WriteAll(path, "old plan");
    plan.Master.Handle = QString(5000, QLatin1Char('h'));
    // A file size limit stands in for a full disk; it holds for every user.
    rlimit original{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &original), 0);
    rlimit small = original;
    small.rlim_cur = 1000;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = SavePlan(arrangement, path, kFormatBinary, false);
    setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadAll(path), QByteArray("old plan"));
    EXPECT_EQ(QDir(dir.path()).entryList({"*.skw*"}, QDir::Files), QStringList{"keep.skw"});
    const auto lines = reportqueue::TakeAll();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].text.contains(path));
}

TEST_F(PlanOperations, SavedCopiesGetUniqueNames) {
    const QString path = dir.file("song.skw");
    QString first, second;
    ASSERT_TRUE(SavePlan(arrangement, path, kFormatBinary, true, &first));
    ASSERT_TRUE(SavePlan(arrangement, path, kFormatBinary, true, &second));
    EXPECT_EQ(first, dir.file("song_" + Text(94) + ".skw"));
    EXPECT_EQ(second, dir.file("song_" + Text(94) + "_1.skw"));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(ReadAll(second), WriteBinaryPlan(arrangement).bytes);
}

TEST_F(PlanOperations, ResourcesAreFoundBesideThePlan) {
    const QString folder = dir.path() + "plans/";
    QDir().mkpath(folder);
    WriteAll(folder + "kick.wav", "RIFF");
    WriteAll(folder + "p.skw",
             "[Main]\r\n[Lane.0]\r\nPosition=0\r\nResource=C:\\Drums\\kick.wav\r\n");
    ASSERT_TRUE(Load(folder + "p.skw"));
    const TRes* kick = arrangement.lanes.At(0).Piece().Resource;
    ASSERT_NE(kick, nullptr);
    EXPECT_EQ(kick->Name, QStringLiteral("C:\\Drums\\kick.wav")); // the plan's name stays
    EXPECT_EQ(kick->FullName, folder + "kick.wav");
    // Then the plan's resources folder, then the default one; else the name made absolute.
    QDir().mkpath(dir.path() + "a");
    WriteAll(dir.path() + "a/x.wav", "");
    WriteAll(folder + "x.wav", "");
    const ResourceFolders folders{dir.path() + "none", dir.path() + "a", folder};
    EXPECT_EQ(ResolveResourcePath("x.wav", folders), dir.path() + "a/x.wav");
    EXPECT_EQ(ResolveResourcePath(folder + "x.wav", folders), folder + "x.wav");
    EXPECT_TRUE(QDir::isAbsolutePath(ResolveResourcePath("nowhere.wav", folders)));
}

TEST(PlanTitleText, ShowsHandleOrFileModifiedModeAndRenderings) {
    FillWithNumbers();
    Arrangement arrangement;
    TThePlan& plan = arrangement.plan;
    plan.FileName = QStringLiteral("/music/beat.skw");
    EXPECT_EQ(PlanTitle(plan, {}), "beat.skw - " + Text(42));
    plan.Untitled = false;
    EXPECT_EQ(PlanTitle(plan, {}), "beat.skw [/music] - " + Text(42));
    plan.SetModified(64, true);
    plan.Master.Handle = QStringLiteral("Groove");
    EXPECT_EQ(PlanTitle(plan, {false, {"12", "80"}}),
              "* Groove - " + Text(42) + " " + Text(96) + " [" + Text(219) + ": 12%, 80%]");
}

} // namespace
