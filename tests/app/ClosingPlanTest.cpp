#include "app/ClosingPlan.h"
#include "app/FileDialogFilter.h"
#include "common/FileBytes.h"
#include "common/TempDir.h"
#include "model/Arrangement.h"
#include "planfile/PlanOperations.h"
#include "support/FaultLog.h"
#include "support/Stopwatch.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

// Answers as told and records what it was asked.
class ScriptedQuestions : public CloseQuestions {
public:
    SaveAnswer AskSave(const SaveQuestionTexts&, bool offerKeepAs) override {
        offeredKeepAs = offerKeepAs;
        ++saveQuestions;
        return answer;
    }
    bool AskPlanFile(QString& fileName, int& filterIndex) override {
        proposedName = fileName;
        ++nameQuestions;
        if (chosenName.isEmpty())
            return false;
        fileName = chosenName;
        filterIndex = 1;
        return true;
    }

    SaveAnswer answer = SaveAnswer::Yes;
    QString chosenName; // empty: the user cancels
    QString proposedName;
    bool offeredKeepAs = false;
    int saveQuestions = 0;
    int nameQuestions = 0;
};

class ClosingPlanTest : public ::testing::Test {
protected:
    ClosingPlanTest() {
        faultlog::SetFolder(dir.path());
        arrangement.balls.Add(3, 1, TPiece::kNoOwnHue, false);
        arrangement.plan.SetModified(64, true);
    }
    bool settle() {
        return SettleChangedPlan(arrangement, questions, backup, stopwatch, saveSideCopy);
    }
    QStringList plansInDir() const {
        return QDir(dir.path()).entryList({"*.skw"}, QDir::Files, QDir::Name);
    }

    TempDir dir;
    QString backup = dir.file("plan_backup.skw");
    Arrangement arrangement;
    ScriptedQuestions questions;
    TGenericStopwatch stopwatch;
    bool saveSideCopy = true;
};

TEST_F(ClosingPlanTest, AnUntitledPlanIsKeptOnlyUnderANameTheUserGives) {
    // The plan came from a sound file on the command line: the name it shows is no plan's.
    const QString wav = dir.file("hit.wav");
    WriteFile(wav, "RIFF....WAVE");
    arrangement.plan.FileName = wav;
    arrangement.plan.Untitled = true;

    EXPECT_FALSE(settle()) << "the name dialog was cancelled: the window stays";
    EXPECT_FALSE(questions.offeredKeepAs);
    EXPECT_EQ(questions.nameQuestions, 1) << "Yes on an untitled plan asks for a name";
    EXPECT_NE(questions.proposedName, wav);
    EXPECT_EQ(ReadAll(wav), "RIFF....WAVE");
    EXPECT_TRUE(arrangement.plan.Modified());

    questions.chosenName = dir.file("kept.skw");
    EXPECT_TRUE(settle());
    EXPECT_EQ(ReadAll(wav), "RIFF....WAVE");
    EXPECT_TRUE(ReadAll(questions.chosenName).startsWith("GLRNBX")) << "filter 1 is binary";
    EXPECT_EQ(arrangement.plan.FileName, questions.chosenName);
    EXPECT_FALSE(arrangement.plan.Untitled);
    EXPECT_FALSE(arrangement.plan.Modified());
}

TEST_F(ClosingPlanTest, YesSavesANamedPlanOverItsFileAfterBackingItUp) {
    const QString plan = dir.file("song.skw");
    WriteFile(plan, "old plan");
    arrangement.plan.FileName = plan;
    arrangement.plan.Untitled = false;
    arrangement.plan.FileFormat = kFormatText;

    EXPECT_TRUE(settle());
    EXPECT_TRUE(questions.offeredKeepAs);
    EXPECT_EQ(questions.nameQuestions, 0);
    EXPECT_FALSE(saveSideCopy);
    EXPECT_EQ(ReadAll(backup), "old plan");
    EXPECT_TRUE(ReadAll(plan).contains("X=3")) << ReadAll(plan).toStdString();
    EXPECT_EQ(plansInDir(), QStringList({"plan_backup.skw", "song.skw"}));
    EXPECT_FALSE(arrangement.plan.Modified());
}

TEST_F(ClosingPlanTest, WithoutABackupThePlansFileStaysAndTheChangesGoBesideIt) {
    const QString plan = dir.file("song.skw");
    WriteFile(plan, "old plan");
    arrangement.plan.FileName = plan;
    arrangement.plan.Untitled = false;
    arrangement.plan.FileFormat = kFormatText;
    backup = dir.file("no such folder/plan_backup.skw");

    EXPECT_TRUE(settle());
    EXPECT_EQ(ReadAll(plan), "old plan");
    const QStringList plans = plansInDir();
    ASSERT_EQ(plans.size(), 2) << plans.join(", ").toStdString();
    const QString copy = plans[0] == "song.skw" ? plans[1] : plans[0];
    EXPECT_TRUE(copy.startsWith("song_"));
    EXPECT_TRUE(ReadAll(dir.file(copy)).contains("X=3"));
}

TEST_F(ClosingPlanTest, NoDropsTheChangesCancelKeepsTheWindowAndAnUnchangedPlanAsksNothing) {
    arrangement.plan.FileName = dir.file("song.skw");
    arrangement.plan.Untitled = false;
    questions.answer = SaveAnswer::Cancel;
    EXPECT_FALSE(settle());
    EXPECT_TRUE(arrangement.plan.Modified());

    questions.answer = SaveAnswer::No;
    EXPECT_TRUE(settle());
    EXPECT_FALSE(arrangement.plan.Modified());
    EXPECT_TRUE(plansInDir().isEmpty());

    EXPECT_TRUE(settle());
    EXPECT_EQ(questions.saveQuestions, 2);
}

TEST(FileDialogFilter, LanguageFilePairsBecomeQtFilters) {
    EXPECT_EQ(QtFileFilters("Plan|*.skw|Plan as text|*.skw"),
              QStringList({"Plan (*.skw)", "Plan as text (*.skw)"}));
    EXPECT_EQ(QtFileFilters("Sound|*.wav;*.flac|Orphan"), QStringList({"Sound (*.wav *.flac)"}));
}

} // namespace
