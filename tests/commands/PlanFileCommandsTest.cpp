#include "commands/PlanFileCommands.h"
#include "InstructorFixture.h"
#include "commands/FileDialogFilter.h"
#include "commands/QtPlanDialogs.h"
#include "common/FileBytes.h"

namespace {

using PlanFileCommandsTest = InstructorFixture;

constexpr int kFileCommands[] = {1027, 1043, 1038, 1039, 1223};

TEST_F(PlanFileCommandsTest, AnUntitledPlanHasNoFileToActOn) {
    desktop.clipboard = "before";
    for (const int id : kFileCommands)
        EXPECT_TRUE(instructor.Commands().Run(id)) << id;
    EXPECT_TRUE(desktop.started.empty());
    EXPECT_TRUE(desktop.shownInFolder.isEmpty());
    EXPECT_EQ(desktop.clipboard, "before");
    EXPECT_TRUE(dialogs.openWith.isEmpty());
    EXPECT_TRUE(dialogs.properties.isEmpty());
}

TEST_F(PlanFileCommandsTest, EachFileCommandGetsThePlanFileWhole) {
    changedPlanIn("my song; rm -rf.skw");
    for (const int id : kFileCommands)
        instructor.Commands().Run(id);
    ASSERT_EQ(desktop.started.size(), 1u);
    EXPECT_EQ(desktop.started[0].first, EditorProgramFor(Text(39)));
    EXPECT_EQ(desktop.started[0].second, QStringList{plan.FileName}) << "one argument, no shell";
    EXPECT_EQ(dialogs.openWith, QStringList{plan.FileName});
    EXPECT_EQ(desktop.shownInFolder, QStringList{plan.FileName});
    EXPECT_EQ(desktop.clipboard, plan.FileName);
    EXPECT_EQ(dialogs.properties, QStringList{plan.FileName});
    EXPECT_EQ(host.aside, 0);

    desktop.startsPrograms = false;
    instructor.Commands().Run(1027);
    const QStringList lines = reportLines();
    ASSERT_EQ(lines.size(), 1) << "a program that does not start is reported";
    EXPECT_TRUE(lines[0].contains(plan.FileName));
}

TEST(EditorProgram, ANamedProgramThisSystemLacksGivesWayToTheDesktopsOpener) {
    EXPECT_EQ(EditorProgramFor("notepad.exe"), "xdg-open");
    EXPECT_EQ(EditorProgramFor("C:\\Windows\\notepad.exe"), "xdg-open");
    EXPECT_EQ(EditorProgramFor(""), "xdg-open");
    EXPECT_EQ(EditorProgramFor(" sh "), "sh");
}

TEST_F(PlanFileCommandsTest, TheInformationBoxesShowThePlanAndTheLanes) {
    instructor.Commands().Run(1034);
    ASSERT_EQ(dialogs.information.size(), 1u);
    EXPECT_EQ(dialogs.information[0].first, Text(63));
    const QStringList untitled = dialogs.information[0].second.split("\r\n");
    ASSERT_EQ(untitled.size(), 15) << dialogs.information[0].second.toStdString();
    EXPECT_EQ(untitled[0], GetText(55) + ": ");
    EXPECT_EQ(untitled[1], Text(70)) << "an untitled plan has no file";
    EXPECT_EQ(untitled[3], GetText(43) + ": " + Text(70)) << "format 0 reads none";
    EXPECT_EQ(untitled[4], GetText(26) + ": " + Text(70));
    EXPECT_EQ(untitled[8], GetText(59) + ": " + BoolWord(false));
    EXPECT_EQ(untitled[11], GetText(61) + ": 0");
    EXPECT_TRUE(untitled[13].startsWith(GetText(159) + ": "));
    EXPECT_EQ(untitled[14], "");

    changedPlanIn("song.skw", 4);
    plan.Master.Handle = "Groove";
    instructor.Commands().Run(1034);
    const QStringList named = dialogs.information[1].second.split("\r\n");
    EXPECT_EQ(named[1], plan.FileName);
    EXPECT_EQ(named[3], GetText(43) + ": 4");
    EXPECT_EQ(named[4], GetText(26) + ": Groove");
    EXPECT_EQ(named[11], GetText(61) + ": 1");
    EXPECT_TRUE(named[13].startsWith(GetText(62) + ": "));

    instructor.Commands().Run(1094);
    EXPECT_EQ(dialogs.information[2].first, Text(22));
    EXPECT_EQ(dialogs.information[2].second, GetText(24) + ": 0\r\n" + GetText(25) + ": 3\r\n");
    EXPECT_EQ(host.aside, 0);
    EXPECT_EQ(host.dimmed, 0);
}

TEST_F(PlanFileCommandsTest, ThePlanCommandsAreInTheTable) {
    for (const int id :
         {1102, 1103, 1044, 1037, 1032, 1033, 1027, 1043, 1038, 1039, 1223, 1034, 1094})
        EXPECT_TRUE(instructor.Commands().Has(id)) << id;
}

TEST(FileDialogFilter, LanguageFilePairsBecomeQtFilters) {
    EXPECT_EQ(QtFileFilters("Plan|*.skw|Plan as text|*.skw"),
              QStringList({"Plan (*.skw)", "Plan as text (*.skw)"}));
    EXPECT_EQ(QtFileFilters("Sound|*.wav;*.flac|Orphan"), QStringList({"Sound (*.wav *.flac)"}));
}

TEST(FileFacts, NameTheFileItsFolderAndSize) {
    TempDir dir;
    const QString file = dir.file("facts.skw");
    WriteFile(file, QByteArray(1500, 'x'));
    const QStringList lines = FileFactsText(file).split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], "facts.skw");
    EXPECT_EQ(lines[1] + "/", dir.path());
    EXPECT_TRUE(lines[2].contains("1,500") || lines[2].contains("1500")) << lines[2].toStdString();
}

} // namespace
