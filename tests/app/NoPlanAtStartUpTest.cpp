// A file named on the command line that is no plan at all: the program says so and never
// writes over it.
#include "ProgramFolderFixture.h"
#include "app/ClosingPlan.h"
#include "support/Stopwatch.h"
#include "texts/Parlance.h"

#include <gtest/gtest.h>

namespace {

// Answers Yes to the save question and then declines to name a file.
class YesButNoName : public CloseQuestions {
public:
    SaveAnswer AskSave(const SaveQuestionTexts&, bool) override { return SaveAnswer::Yes; }
    bool AskPlanFile(QString&, int&) override {
        ++nameQuestions;
        return false;
    }
    int nameQuestions = 0;
};

class NoPlanAtStartUp : public ProgramFolderFixture {};

TEST_F(NoPlanAtStartUp, AFileThatIsNoPlanIsReportedAndTheNextKeepAsksForAName) {
    const QString photo = dir.file("holiday.skw");
    const QByteArray bytes("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01[exif]\nmake=camera\n", 32);
    WriteFile(photo, bytes);
    WriteFile(folders.settingsFile, "[Audio.Out]\nSelectedDevice=0\n[Carrier]\nRollOnStartup=0\n");
    ProgramSession session(options(photo));
    ASSERT_FALSE(session.Halted());
    TThePlan& plan = session.Model().plan;
    EXPECT_EQ(plan.LoadMessages, Text(198));
    EXPECT_TRUE(plan.Untitled);

    plan.SetModified(64, true);
    YesButNoName questions;
    TGenericStopwatch stopwatch;
    bool saveSideCopy = true;
    EXPECT_FALSE(SettleChangedPlan(session.Model(), questions, folders.dataFolder + "backup.skw",
                                   stopwatch, saveSideCopy));
    EXPECT_EQ(questions.nameQuestions, 1);
    EXPECT_EQ(ReadAll(photo), bytes);

    plan.ClearModified();
    EXPECT_TRUE(session.Close());
    EXPECT_EQ(ReadAll(photo), bytes);
}

} // namespace
