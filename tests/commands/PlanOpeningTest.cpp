#include "commands/PlanOpening.h"
#include "InstructorFixture.h"
#include "common/FileBytes.h"
#include "planfile/PlanOperations.h"

#include <QFile>

namespace {

class PlanOpening : public InstructorFixture {
protected:
    // A text plan on disk with two balls.
    QString twoBallPlan(const QString& name = "two.skw") {
        const QString file = dir.file(name);
        WriteFile(file, "[0]\r\nX=4\r\nY=0\r\n[1]\r\nX=9\r\nY=2\r\n");
        return file;
    }
    // The changed, never-kept plan with one ball is still there as it was.
    void expectIntact(const QString& name) {
        EXPECT_EQ(arrangement.balls.Count(), 1);
        EXPECT_TRUE(plan.Modified());
        EXPECT_TRUE(plan.Untitled);
        EXPECT_EQ(plan.FileName, name);
        EXPECT_EQ(host.refreshes, 0);
        EXPECT_EQ(host.aside, 0);
        EXPECT_EQ(host.dimmed, 0);
    }
    void changedUntitledPlan() {
        arrangement.balls.Add(3, 1, TPiece::kNoOwnHue, false);
        plan.FileName = Text(29);
        plan.SetModified(64, true);
    }
};

TEST_F(PlanOpening, NewAndOpenAfterACancelledKeepLeaveThePlanAsItWas) {
    changedUntitledPlan();
    const QString other = twoBallPlan();
    dialogs.openName = other;
    question.answer = SaveAnswer::Yes; // keep, but the name dialog is cancelled

    instructor.Commands().Run(1102);
    EXPECT_EQ(dialogs.saveSpecs.size(), 1u);
    expectIntact(Text(29));

    instructor.Commands().Run(1103);
    EXPECT_EQ(dialogs.saveSpecs.size(), 2u);
    expectIntact(Text(29));

    instructor.OpenPlanFile(other);
    EXPECT_EQ(dialogs.saveSpecs.size(), 3u);
    expectIntact(Text(29));
    EXPECT_EQ(audio.depth, 0);

    // Keep-as cancelled ends the command the same way.
    question.answer = SaveAnswer::KeepAs;
    instructor.Commands().Run(1102);
    expectIntact(Text(29));
}

TEST_F(PlanOpening, RunningRendersAreAskedAboutOnlyOnceThePlanIsSureToBeReplaced) {
    changedUntitledPlan();
    question.answer = SaveAnswer::No;
    instructor.Commands().Run(1103);
    EXPECT_EQ(dialogs.openSpecs.size(), 1u);
    EXPECT_EQ(renderQuestions, 0) << "a cancelled open stops no render";

    dialogs.openName = twoBallPlan();
    rendersMayStop = false;
    instructor.Commands().Run(1102);
    instructor.Commands().Run(1103);
    instructor.OpenPlanFile(dialogs.openName);
    EXPECT_EQ(renderQuestions, 3);
    EXPECT_EQ(question.offered.size(), 4u);
    expectIntact(Text(29));
}

TEST_F(PlanOpening, OpenKeepsTheOldPlanFirstThenLoadsTheChosenFile) {
    changedPlanIn("song.skw");
    const QString other = twoBallPlan();
    dialogs.openName = other;
    instructor.Commands().Run(1103);

    ASSERT_EQ(dialogs.openSpecs.size(), 1u);
    EXPECT_EQ(dialogs.openSpecs[0].title, Text(195));
    EXPECT_EQ(QDir(dialogs.openSpecs[0].folder), QDir(dir.path()));
    EXPECT_TRUE(ReadAll(dir.file("song.skw")).contains("X=3")) << "Yes kept the old plan";
    EXPECT_EQ(arrangement.balls.Count(), 2);
    EXPECT_EQ(plan.FileName, other);
    EXPECT_FALSE(plan.Untitled);
    EXPECT_FALSE(plan.Modified());
    EXPECT_EQ(host.refreshes, 1);
    const QStringList lines = reportLines();
    ASSERT_EQ(lines.size(), 2) << lines.join("\n").toStdString();
    EXPECT_TRUE(lines[1].startsWith(FormatText(340, {other})));
    EXPECT_EQ(host.aside, 0);
    EXPECT_EQ(host.dimmed, 0);
}

TEST_F(PlanOpening, CancelInTheOpenDialogChangesNothingAndKeepsNothing) {
    changedPlanIn("song.skw");
    instructor.Commands().Run(1103);
    EXPECT_EQ(dialogs.openSpecs.size(), 1u);
    EXPECT_FALSE(QFile::exists(plan.FileName));
    EXPECT_EQ(arrangement.balls.Count(), 1);
    EXPECT_TRUE(plan.Modified());
}

TEST_F(PlanOpening, NoFollowedByACancelledOpenLeavesTheChangesToBeAskedAboutAgain) {
    changedPlanIn("song.skw");
    question.answer = SaveAnswer::No;
    instructor.Commands().Run(1103);
    EXPECT_EQ(dialogs.openSpecs.size(), 1u);
    EXPECT_TRUE(plan.Modified());

    bool sideCopy = true;
    question.answer = SaveAnswer::Cancel;
    EXPECT_FALSE(instructor.SettleBeforeClose(sideCopy));
    EXPECT_EQ(question.offered.size(), 2u) << "closing asks about the changes";
}

TEST_F(PlanOpening, KeepAfterOpeningAnUnreadableFileAsksForANameAndLeavesTheFileAlone) {
    const QString junk = dir.file("junk.skw");
    WriteFile(junk, "\x01\x02 not a plan");
    dialogs.openName = junk;
    instructor.Commands().Run(1103);
    EXPECT_TRUE(plan.Modified());

    instructor.Commands().Run(1037);
    EXPECT_EQ(dialogs.saveSpecs.size(), 1u);
    EXPECT_EQ(ReadAll(junk), "\x01\x02 not a plan");
}

TEST_F(PlanOpening, NewEmptiesThePlanAfterTheQuestion) {
    changedPlanIn("song.skw");
    question.answer = SaveAnswer::No;
    instructor.State().CurrentBall = &arrangement.balls.At(0);
    instructor.Commands().Run(1102);
    EXPECT_EQ(arrangement.balls.Count(), 0);
    EXPECT_EQ(instructor.State().CurrentBall, nullptr);
    EXPECT_TRUE(plan.Untitled);
    EXPECT_EQ(plan.FileName, Text(29));
    EXPECT_FALSE(plan.Modified());
    EXPECT_EQ(host.settles, 1);
    EXPECT_EQ(host.refreshes, 1);
    EXPECT_FALSE(QFile::exists(dir.file("song.skw")));
}

TEST_F(PlanOpening, AnUnreadableFileLeavesAnEmptyChangedPlanAndAWarning) {
    const QString junk = dir.file("gone.skw");
    EXPECT_TRUE(instructor.LoadPlanFile(false, junk));
    EXPECT_TRUE(plan.Modified());
    EXPECT_EQ(plan.LastChangeCode(), 195);
    const QStringList lines = reportLines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith(junk));

    // Dropped on the window, the missing file is asked about; No gives up its name.
    question.answer = SaveAnswer::No;
    instructor.OpenPlanFile(junk);
    EXPECT_EQ(unreadable.asked, 1);
    EXPECT_TRUE(plan.Untitled);
    EXPECT_FALSE(plan.Modified());
    EXPECT_EQ(plan.FileName, Text(29));
}

TEST_F(PlanOpening, TheClipboardOpensOnlyAnExistingPlanNamedOnItsFirstLine) {
    changedUntitledPlan();
    question.answer = SaveAnswer::No;
    instructor.Commands().Run(1044);
    EXPECT_TRUE(question.offered.empty()) << "an empty clipboard does nothing";

    const QString wav = dir.file("song.wav");
    WriteFile(wav, "RIFF....WAVE");
    for (const QString& text :
         {wav, "  " + wav + "\n", dir.file("missing.skw"), QString("hello")}) {
        desktop.clipboard = text;
        instructor.Commands().Run(1044);
        EXPECT_TRUE(question.offered.empty()) << text.toStdString();
        expectIntact(Text(29));
    }
    EXPECT_EQ(ReadAll(wav), "RIFF....WAVE");

    const QString planFile = twoBallPlan("On Clipboard.SKW");
    desktop.clipboard = "  " + planFile + "  \r\nsecond line";
    instructor.Commands().Run(1044);
    EXPECT_EQ(plan.FileName, planFile);
    EXPECT_EQ(arrangement.balls.Count(), 2);
}

TEST(ClipboardPlanName, TakesTheFirstTrimmedUnquotedLineNamingAPlanFile) {
    TempDir dir;
    const QString ini = dir.file("old.ini");
    WriteFile(ini, "[0]\r\nX=1\r\n");
    EXPECT_EQ(ClipboardPlanName("\"" + ini + "\"\n"), ini);
    EXPECT_EQ(ClipboardPlanName("\t" + ini), ini);
    EXPECT_EQ(ClipboardPlanName("\n" + ini), QString()) << "only the first line";
    EXPECT_EQ(ClipboardPlanName(dir.path()), QString()) << "a folder is no plan";
}

} // namespace
