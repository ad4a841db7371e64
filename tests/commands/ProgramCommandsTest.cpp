#include "commands/ProgramCommands.h"
#include "InstructorFixture.h"
#include "commands/CommandIds.h"
#include "common/FileBytes.h"
#include "support/ProgramFolders.h"

#include <QImage>

namespace {

class FakeProgramWindow : public ProgramWindow {
public:
    QImage ClientImage() override {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        return image;
    }
    void SwitchFullScreen() override { ++fullScreenSwitches; }
    bool Busy() const override { return busy; }
    void SwitchReport() override {}
    void ReloadAudio() override { ++reloads; }

    bool busy = false;
    int fullScreenSwitches = 0;
    int reloads = 0;
};

class ScriptedProgramDialogs : public ProgramDialogs {
public:
    explicit ScriptedProgramDialogs(const FakeCommandHost& host) : m_host(host) {}
    void OpenFolder(const QString& folder) override { opened << folder; }
    QString AskFolder(const QString& title, const QString& startFolder) override {
        EXPECT_GT(m_host.aside, 0);
        titles << title;
        starts << startFolder;
        return folder;
    }
    ReplaceAnswer AskReplace(const QString& target) override {
        EXPECT_EQ(m_host.aside, 0) << "the copy runs after the folder dialog closed";
        replaceAsked << target;
        return replace;
    }
    std::unique_ptr<CopyProgress> ShowCopyProgress(const QString&) override { return nullptr; }

    QString folder; // empty: the folder dialog is cancelled
    ReplaceAnswer replace = ReplaceAnswer::Skip;
    QStringList opened, titles, starts, replaceAsked;

private:
    const FakeCommandHost& m_host;
};

class ProgramCommandsTest : public InstructorFixture {
protected:
    ProgramCommandsTest() {
        WriteFile(folders.executable, "program");
        QFile::setPermissions(folders.executable,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        AddProgramCommands(table, links);
    }

    void run(int id) { ASSERT_TRUE(table.Run(id)) << id; }
    // A lane named by a sound file that exists.
    TRes& laneWith(const QString& file, const QByteArray& bytes) {
        WriteFile(file, bytes);
        TLane& lane = arrangement.lanes.Add(arrangement.lanes.Count(), TPiece::kNoOwnHue, false);
        lane.Piece().Resource = arrangement.resources.FindOrAdd(file, {});
        return *lane.Piece().Resource;
    }
    QString laneFile(int index) const { return arrangement.lanes.At(index).Piece().Resource->Name; }

    ProgramFolders folders = ProgramFolders::ForExecutable(dir.file("program/glorinbax"));
    TWideMemIniFile settings{QString{}};
    FakeProgramWindow window;
    ScriptedProgramDialogs programDialogs{host};
    bool shift = false;
    bool rendering = false;
    ProgramLinks links{arrangement,
                       host,
                       dialogs,
                       desktop,
                       window,
                       programDialogs,
                       settings,
                       folders,
                       stopwatch,
                       [this] {
                           ++renderQuestions;
                           return rendersMayStop;
                       },
                       [this] { return rendering; },
                       [this] { return shift; }};
    CommandTable table;
};

TEST_F(ProgramCommandsTest, ScreenshotsTakeTheNextFreeNumberInTheDataFolder) {
    for (int i = 0; i < 3; ++i)
        run(cmd::kTakeScreenshot);
    const QStringList files = QDir(folders.dataFolder).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(files, QStringList({"snapshot.bmp", "snapshot_2.bmp", "snapshot_3.bmp"}));
    const QImage saved(folders.dataFolder + "snapshot_3.bmp");
    EXPECT_EQ(saved.size(), QSize(40, 30));
    EXPECT_EQ(saved.pixelColor(5, 5), QColor(Qt::darkCyan));
}

TEST_F(ProgramCommandsTest, AudioReloadsOnlyWhenRendersMayStopAndTheWindowIsIdle) {
    rendersMayStop = false;
    run(cmd::kReloadBassDLL);
    rendersMayStop = true;
    window.busy = true;
    run(cmd::kReloadBassDLL);
    EXPECT_EQ(window.reloads, 0);
    window.busy = false;
    run(cmd::kReloadBassDLL);
    EXPECT_EQ(window.reloads, 1);
}

TEST_F(ProgramCommandsTest, TheProgramCopiesWithItsLibrariesDataAndInterior) {
    WriteFile(folders.programFolder + "libgbxaudio.so", "core");
    WriteFile(folders.settingsFile, "[Main]\n");
    WriteFile(folders.dataFolder + "parlance/nomenclature_en.txt", "words");
    WriteFile(folders.dataFolder + "funny stuff.log", "log");
    WriteFile(folders.defaultInteriorFolder + "config.ini", "style");
    dialogs.chosenName = dir.file("copy/glorinbax2");
    run(cmd::kSelfReproduce);

    EXPECT_EQ(dialogs.proposedNames, QStringList{folders.executable});
    const QString to = dir.file("copy/");
    EXPECT_EQ(ReadAll(to + "glorinbax2"), "program");
    EXPECT_TRUE(QFileInfo(to + "glorinbax2").isExecutable());
    EXPECT_EQ(ReadAll(to + "libgbxaudio.so"), "core");
    EXPECT_EQ(ReadAll(to + "data/glorinbax.ini"), "[Main]\n");
    EXPECT_EQ(ReadAll(to + "data/parlance/nomenclature_en.txt"), "words");
    EXPECT_EQ(ReadAll(to + "interior/Default/config.ini"), "style");
    EXPECT_FALSE(QFileInfo::exists(to + "data/funny stuff.log"));
    const QStringList lines = reportLines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith("5 files copied | took ")) << lines[0].toStdString();

    // The second filter copies the program alone; the name chosen last is proposed.
    dialogs.chosenName = dir.file("alone/glorinbax");
    dialogs.chosenFilter = 2;
    run(cmd::kSelfReproduce);
    EXPECT_EQ(dialogs.proposedNames.last(), dir.file("copy/glorinbax2"));
    EXPECT_EQ(QDir(dir.file("alone")).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"glorinbax"});
}

TEST_F(ProgramCommandsTest, TheProgramIsNotCopiedOntoItself) {
    dialogs.chosenName = folders.programFolder + "glorinbax";
    run(cmd::kSelfReproduce);
    EXPECT_EQ(ReadAll(folders.executable), "program");
    const QStringList lines = reportLines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].endsWith(Text(163))) << lines[0].toStdString();
    EXPECT_EQ(host.reportsShown, 1);
}

TEST_F(ProgramCommandsTest, CollectedSoundFilesAreNamedInTheirNewFolder) {
    laneWith(dir.file("a/kick.wav"), "kick");
    laneWith(dir.file("b/snare.wav"), "snare");
    TLane& lost = arrangement.lanes.Add(2, TPiece::kNoOwnHue, false);
    lost.Piece().Resource = arrangement.resources.FindOrAdd(dir.file("gone.wav"), {});
    programDialogs.folder = dir.file("c");
    run(cmd::kCollectResources);

    EXPECT_EQ(ReadAll(dir.file("c/kick.wav")), "kick");
    EXPECT_EQ(ReadAll(dir.file("c/snare.wav")), "snare");
    EXPECT_EQ(laneFile(0), dir.file("c/kick.wav"));
    EXPECT_EQ(laneFile(1), dir.file("c/snare.wav"));
    EXPECT_EQ(laneFile(2), dir.file("gone.wav"));
    EXPECT_EQ(arrangement.resources.Count(), 3) << "the old names went";
    EXPECT_TRUE(plan.Modified());
    EXPECT_EQ(plan.LastChangeCode(), 259);
    EXPECT_EQ(settings.ReadString("Resources", "CollectInFolder", ""), dir.file("c/"));
    const QStringList lines = reportLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], " | " + Text(275) + '"' + dir.file("gone.wav") + '"');
    EXPECT_TRUE(lines[1].startsWith(FormatText(344, {dir.file("c/")}) +
                                    "2 sound files copied, 1 missing | took "))
        << lines[1].toStdString();
    EXPECT_EQ(host.reportsShown, 1);
}

TEST_F(ProgramCommandsTest, ACollectionKeepsWhatItWouldOverwrite) {
    laneWith(dir.file("a/kick.wav"), "kick");
    laneWith(dir.file("b/kick.wav"), "other kick");
    WriteFile(dir.file("c/kick.wav"), "kept");
    programDialogs.folder = dir.file("c");
    programDialogs.replace = ReplaceAnswer::Skip;
    run(cmd::kCollectResources);

    EXPECT_EQ(programDialogs.replaceAsked, QStringList{dir.file("c/kick.wav")});
    EXPECT_EQ(ReadAll(dir.file("c/kick.wav")), "kept");
    EXPECT_EQ(laneFile(0), dir.file("a/kick.wav")) << "not copied: still named where it is";
    EXPECT_EQ(laneFile(1), dir.file("b/kick.wav")) << "a second kick.wav would replace the first";
    EXPECT_FALSE(plan.Modified());

    // Replaced, the first one is named in its new place; the second one still is not.
    programDialogs.replace = ReplaceAnswer::Replace;
    run(cmd::kCollectResources);
    EXPECT_EQ(ReadAll(dir.file("c/kick.wav")), "kick");
    EXPECT_EQ(laneFile(0), dir.file("c/kick.wav"));
    EXPECT_EQ(laneFile(1), dir.file("b/kick.wav"));
}

TEST_F(ProgramCommandsTest, ACancelledFolderDialogCollectsNothing) {
    laneWith(dir.file("a/kick.wav"), "kick");
    plan.FileName = dir.file("plans/p.skw");
    plan.Untitled = false;
    run(cmd::kCollectResources);
    EXPECT_EQ(programDialogs.starts, QStringList{dir.file("plans")});
    EXPECT_EQ(laneFile(0), dir.file("a/kick.wav"));
    EXPECT_TRUE(reportLines().isEmpty());
    EXPECT_FALSE(settings.ValueExists("Resources", "CollectInFolder"));
}

TEST_F(ProgramCommandsTest, ThePlansResourcesFolderIsChosenOrClearedWithShift) {
    settings.WriteString("Resources", "DefaultFolder", dir.file("default/"));
    programDialogs.folder = dir.file("sounds");
    run(cmd::kChoosePlanResourcesFolder);
    EXPECT_EQ(programDialogs.starts, QStringList{dir.file("default/")});
    EXPECT_EQ(programDialogs.titles, QStringList{Text(260)});
    EXPECT_EQ(plan.ResourcesFolder, dir.file("sounds/"));
    EXPECT_EQ(plan.LastChangeCode(), 259);

    plan.ClearModified();
    run(cmd::kChoosePlanResourcesFolder);
    EXPECT_EQ(programDialogs.starts.last(), dir.file("sounds/"));
    EXPECT_FALSE(plan.Modified()) << "the same folder changes nothing";

    shift = true;
    run(cmd::kChoosePlanResourcesFolder);
    EXPECT_TRUE(plan.ResourcesFolder.isEmpty());
    EXPECT_TRUE(plan.Modified());
    EXPECT_EQ(programDialogs.starts.size(), 2) << "Shift asks nothing";
}

TEST_F(ProgramCommandsTest, TheDefaultResourcesFolderIsChosenOrClearedWithShift) {
    run(cmd::kBrowseResourcesFolder);
    EXPECT_TRUE(programDialogs.opened.isEmpty()) << "no folder to show";
    programDialogs.folder = dir.file("default");
    run(cmd::kChooseDefaultResourcesFolder);
    EXPECT_EQ(settings.ReadString("Resources", "DefaultFolder", ""), dir.file("default/"));
    run(cmd::kBrowseResourcesFolder);
    plan.ResourcesFolder = dir.file("own/");
    run(cmd::kBrowseResourcesFolder);
    EXPECT_EQ(programDialogs.opened, QStringList({dir.file("default/"), dir.file("own/")}));

    shift = true;
    run(cmd::kChooseDefaultResourcesFolder);
    EXPECT_EQ(settings.ReadString("Resources", "DefaultFolder", "x"), "");
    EXPECT_FALSE(plan.Modified());
}

TEST_F(ProgramCommandsTest, TheResourceListIsCopiedSortedUnlessShiftIsHeld) {
    laneWith(dir.file("b.wav"), "b");
    laneWith(dir.file("a.wav"), "a");
    run(cmd::kCopyResourceList);
    EXPECT_EQ(desktop.clipboard, dir.file("a.wav") + '\n' + dir.file("b.wav"));
    shift = true;
    run(cmd::kCopyResourceList);
    EXPECT_EQ(desktop.clipboard, dir.file("b.wav") + '\n' + dir.file("a.wav"));
}

TEST_F(ProgramCommandsTest, TheEditorialProgramIsChosenThenRun) {
    run(cmd::kRunEditorialProgram);
    EXPECT_TRUE(desktop.started.empty()) << "none chosen yet";
    run(cmd::kChooseEditorialProgram);
    EXPECT_EQ(dialogs.openSpecs.at(0).folder, "/usr/bin");
    dialogs.openName = dir.file("bin/editor");
    run(cmd::kChooseEditorialProgram);
    EXPECT_EQ(settings.ReadString("Main", "EditorialProgram", ""), dir.file("bin/editor"));
    EXPECT_EQ(settings.ReadString("Main", "EditorialProgramFolder", ""), dir.file("bin"));
    run(cmd::kRunEditorialProgram);
    ASSERT_EQ(desktop.started.size(), 1u);
    EXPECT_EQ(desktop.started[0].first, dir.file("bin/editor"));
    EXPECT_TRUE(desktop.started[0].second.isEmpty());
}

TEST_F(ProgramCommandsTest, ReloadedSoundFilesTakeTheOldOnesPlaceUnderTheirNames) {
    TRes& kick = laneWith(dir.file("kick.wav"), "kick");
    TBall& ball = *arrangement.balls.Add(3, 0, TPiece::kNoOwnHue, false);
    ball.EditPiece().Resource = &kick;
    run(cmd::kReloadResources);
    ASSERT_EQ(arrangement.resources.Count(), 1);
    const TRes* now = &arrangement.resources.At(0);
    EXPECT_EQ(now->Name, dir.file("kick.wav"));
    EXPECT_EQ(arrangement.resources.Find(dir.file("kick.wav")), now);
    EXPECT_EQ(arrangement.lanes.At(0).Piece().Resource, now);
    EXPECT_EQ(ball.EditPiece().Resource, now);
    EXPECT_EQ(audio.depth, 0);
    EXPECT_FALSE(plan.Modified());
}

TEST_F(ProgramCommandsTest, PurgingAsksFirstOnlyWhenRendersMayHoldSoundsInMemory) {
    arrangement.resources.FindOrAdd(dir.file("unused.wav"), {});
    rendering = true;
    run(cmd::kPurgeResources);
    EXPECT_EQ(renderQuestions, 0) << "no sound is held in memory";
    EXPECT_EQ(arrangement.resources.Count(), 0);

    arrangement.resources.FindOrAdd(dir.file("unused.wav"), {})->MemoryImage = "bytes";
    rendersMayStop = false;
    run(cmd::kPurgeResources);
    EXPECT_EQ(renderQuestions, 1);
    EXPECT_EQ(arrangement.resources.Count(), 1) << "No keeps every sound file";
}

} // namespace
