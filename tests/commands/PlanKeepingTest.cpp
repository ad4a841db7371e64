#include "InstructorFixture.h"
#include "common/FileBytes.h"
#include "planfile/PlanOperations.h"
#include "texts/PlanNames.h"

#include <QFile>
#include <QFileInfo>

namespace {

using PlanKeeping = InstructorFixture;

bool isProposableName(const QString& name) {
    if (name == "I Don't Roll on Shabbos")
        return true;
    for (const char* simple : SimplePlanNames)
        if (name == simple)
            return true;
    return false;
}

TEST_F(PlanKeeping, ANeverKeptPlanAsksForANameProposingARandomOne) {
    arrangement.balls.Add(3, 1, TPiece::kNoOwnHue, false);
    plan.SetModified(64, true);
    ASSERT_TRUE(plan.Untitled);

    EXPECT_FALSE(instructor.KeepPlan(false)) << "the dialog was cancelled";
    ASSERT_EQ(dialogs.proposedNames.size(), 1u);
    EXPECT_TRUE(isProposableName(dialogs.proposedNames[0]))
        << dialogs.proposedNames[0].toStdString();
    EXPECT_EQ(dialogs.saveSpecs[0].title, Text(52));
    EXPECT_EQ(dialogs.saveSpecs[0].filter, Text(40));
    EXPECT_EQ(dialogs.proposedFilters[0], 2);
    EXPECT_TRUE(dialogs.dimmedAtSave);
    EXPECT_TRUE(plan.Modified());
    EXPECT_TRUE(plansInDir().isEmpty());

    dialogs.chosenName = dir.file("kept.skw");
    EXPECT_TRUE(instructor.Commands().Run(1037));
    EXPECT_TRUE(ReadAll(dialogs.chosenName).startsWith("GLRNBX")) << "filter 1 is binary";
    EXPECT_EQ(plan.FileName, dialogs.chosenName);
    EXPECT_EQ(plan.FileFormat, kFormatBinary);
    EXPECT_FALSE(plan.Untitled);
    EXPECT_FALSE(plan.Modified());
    EXPECT_GT(host.titles, 0);
    const QStringList lines = reportLines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith(FormatText(339, {dialogs.chosenName})))
        << lines[0].toStdString();
    EXPECT_EQ(host.aside, 0);
    EXPECT_EQ(host.dimmed, 0);
}

TEST_F(PlanKeeping, ACopyStartsBesideThePlanAndLeavesItsNameAndFormat) {
    QDir(dir.path()).mkdir("Plans");
    changedPlanIn("Plans/Song.skw", kFormatBinary);

    EXPECT_FALSE(instructor.KeepPlanAs(true, true));
    ASSERT_EQ(dialogs.saveSpecs.size(), 1u);
    EXPECT_EQ(dialogs.proposedNames[0], Text(46) + "Song.skw");
    EXPECT_EQ(QDir(dialogs.saveSpecs[0].folder), QDir(dir.file("Plans")));
    EXPECT_EQ(dialogs.saveSpecs[0].title, Text(47));
    EXPECT_EQ(dialogs.proposedFilters[0], 1) << "a binary plan is offered the binary filter";

    // The third filter: only the balls' sections, as text.
    dialogs.chosenName = dir.file("balls.skw");
    dialogs.chosenFilter = 3;
    EXPECT_TRUE(instructor.Commands().Run(1033));
    const QByteArray balls = ReadAll(dialogs.chosenName);
    EXPECT_TRUE(balls.contains("X=3")) << balls.toStdString();
    EXPECT_FALSE(balls.contains("[Main]")) << balls.toStdString();
    EXPECT_FALSE(balls.startsWith("GLRNBX"));

    dialogs.chosenName = dir.file("text copy.skw");
    dialogs.chosenFilter = 2;
    EXPECT_TRUE(instructor.KeepPlanAs(true, true));
    EXPECT_TRUE(ReadAll(dialogs.chosenName).contains("[Main]"));

    EXPECT_EQ(plan.FileName, dir.file("Plans/Song.skw"));
    EXPECT_EQ(plan.FileFormat, kFormatBinary);
    EXPECT_TRUE(plan.Modified()) << "a copy keeps nothing of the plan itself";
    EXPECT_FALSE(QFile::exists(plan.FileName));
}

TEST_F(PlanKeeping, KeepReplacesThePlansFileAfterBackingItUp) {
    changedPlanIn("song.skw");
    WriteFile(plan.FileName, "old plan");

    EXPECT_TRUE(instructor.Commands().Run(1037));
    EXPECT_TRUE(dialogs.saveSpecs.empty());
    EXPECT_EQ(ReadAll(backup), "old plan");
    EXPECT_TRUE(ReadAll(plan.FileName).contains("X=3"));
    EXPECT_FALSE(plan.Modified());
    const QStringList lines = reportLines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith(FormatText(339, {plan.FileName})));
}

TEST_F(PlanKeeping, KeepingWithBackupWritesTheOlderFormsAsTextVersion2) {
    for (const int32_t older : {kFormatOldest, kFormatTextVersion1}) {
        changedPlanIn("old form.skw", older);
        EXPECT_TRUE(instructor.KeepPlan(false));
        EXPECT_EQ(plan.FileFormat, kFormatText) << older;
        EXPECT_TRUE(ReadAll(plan.FileName).contains("FormatVersion=2")) << older;
    }
}

TEST_F(PlanKeeping, AFailedSaveFallsBackToAskingForANameAndShowsTheReport) {
    changedPlanIn("no such folder/song.skw");
    EXPECT_FALSE(instructor.KeepPlan(false));
    EXPECT_EQ(dialogs.saveSpecs.size(), 1u) << "the fall-back asks for a name";

    dialogs.chosenName = dir.file("no such folder/other.skw");
    EXPECT_FALSE(instructor.KeepPlanAs(false, true));
    EXPECT_EQ(host.reportsShown, 1);
    EXPECT_EQ(plan.FileName, dir.file("no such folder/song.skw"));
    EXPECT_TRUE(plan.Modified());
}

// Closing.

TEST_F(PlanKeeping, ClosingAnUnchangedPlanAsksNothingAndCancelKeepsTheWindowOpen) {
    bool sideCopy = true;
    EXPECT_TRUE(instructor.SettleBeforeClose(sideCopy));
    EXPECT_TRUE(question.offered.empty());

    changedPlanIn("song.skw");
    question.answer = SaveAnswer::Cancel;
    EXPECT_FALSE(instructor.SettleBeforeClose(sideCopy));
    EXPECT_TRUE(plan.Modified());
    EXPECT_TRUE(sideCopy);
    EXPECT_EQ(question.offered, std::vector<bool>{true}) << "a plan with a file offers keep-as";
    EXPECT_EQ(host.dimmed, 0) << "refused: the controls are lit again";

    question.answer = SaveAnswer::No;
    EXPECT_TRUE(instructor.SettleBeforeClose(sideCopy));
    EXPECT_FALSE(plan.Modified());
    EXPECT_TRUE(plansInDir().isEmpty());
}

TEST_F(PlanKeeping, ClosingWithYesKeepsTheNamedPlanAndAsksANameForAnUntitledOne) {
    changedPlanIn("song.skw");
    WriteFile(plan.FileName, "old plan");
    bool sideCopy = true;
    EXPECT_TRUE(instructor.SettleBeforeClose(sideCopy));
    EXPECT_FALSE(sideCopy);
    EXPECT_EQ(ReadAll(backup), "old plan");
    EXPECT_TRUE(ReadAll(plan.FileName).contains("X=3"));
    EXPECT_FALSE(plan.Modified());
    EXPECT_TRUE(reportLines().isEmpty()) << "closing reports nothing";

    // A plan from a sound file on the command line: the name it shows is no plan's.
    const QString wav = dir.file("hit.wav");
    WriteFile(wav, "RIFF....WAVE");
    plan.FileName = wav;
    plan.Untitled = true;
    plan.SetModified(64, true);
    EXPECT_FALSE(instructor.SettleBeforeClose(sideCopy));
    EXPECT_EQ(question.offered.back(), false);
    ASSERT_EQ(dialogs.proposedNames.size(), 1u);
    EXPECT_NE(dialogs.proposedNames[0], wav);
    EXPECT_EQ(ReadAll(wav), "RIFF....WAVE");

    dialogs.chosenName = dir.file("kept.skw");
    EXPECT_TRUE(instructor.SettleBeforeClose(sideCopy));
    EXPECT_EQ(ReadAll(wav), "RIFF....WAVE");
    EXPECT_EQ(plan.FileName, dialogs.chosenName);
    EXPECT_FALSE(plan.Modified());
}

TEST_F(PlanKeeping, ARefusedCloseLeavesTheSideCopyForALaterUnaskedClose) {
    // Yes, but the file cannot be written and the name dialog is cancelled.
    changedPlanIn("no such folder/song.skw");
    bool sideCopy = true;
    EXPECT_FALSE(instructor.SettleBeforeClose(sideCopy));
    EXPECT_TRUE(sideCopy);
    EXPECT_TRUE(plan.Modified());
    EXPECT_EQ(dialogs.saveSpecs.size(), 1u);

    dialogs.chosenName = dir.file("kept.skw");
    EXPECT_TRUE(instructor.SettleBeforeClose(sideCopy));
    EXPECT_FALSE(sideCopy) << "kept: nothing is left for a side copy";
}

TEST_F(PlanKeeping, TheSideCopyOfABypassedCloseGoesBesideTheFile) {
    changedPlanIn("song.skw");
    WriteFile(plan.FileName, "old plan");
    instructor.KeepSideCopy();
    EXPECT_EQ(ReadAll(plan.FileName), "old plan");
    EXPECT_EQ(plansInDir().size(), 3) << plansInDir().join(", ").toStdString();

    plan.Untitled = true;
    plan.FileName = dir.file("untitled.skw");
    instructor.KeepSideCopy();
    EXPECT_EQ(plansInDir().size(), 3) << "an untitled plan is never written unasked";
}

} // namespace
