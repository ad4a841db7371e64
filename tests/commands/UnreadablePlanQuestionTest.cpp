#include "commands/UnreadablePlanQuestion.h"
#include "EnglishTexts.h"
#include "PlanCommandFakes.h"
#include "common/TempDir.h"
#include "planfile/PlanBytes.h"
#include "support/FaultLog.h"
#include "texts/Parlance.h"

#include <gtest/gtest.h>

#include <QFile>

#include <deque>

namespace {

class ScriptedDialogs : public UnreadablePlanDialogs {
public:
    explicit ScriptedDialogs(const FakeCommandHost& host) : m_host(host) {}
    QuestionAnswer Ask(const UnreadablePlanTexts& texts) override {
        asked.push_back(texts);
        modalWhileAsked = m_host.dimmed > 0 && m_host.aside > 0;
        if (beforeAnswer)
            beforeAnswer(asked.size());
        const QuestionAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ShowReportWindow() override { ++reportWindowShown; }
    void ReportUnreadable(const QString& fileName) override { unreadable.push_back(fileName); }
    void CloseMainWindow() override { ++closed; }
    void LineToCarrierPosition() override { ++lineMoved; }

    std::deque<QuestionAnswer> answers;
    std::function<void(size_t)> beforeAnswer;
    std::vector<UnreadablePlanTexts> asked;
    bool modalWhileAsked = false;
    int reportWindowShown = 0;
    QStringList unreadable;
    int closed = 0;
    int lineMoved = 0;

private:
    const FakeCommandHost& m_host;
};

class UnreadablePlan : public ::testing::Test {
protected:
    UnreadablePlan() {
        FillWithNumbers();
        faultlog::SetFolder(dir.path());
        plan.FileName = dir.file("gone.skw");
        EXPECT_FALSE(LoadPlan(arrangement, plan.FileName, {}));
        plan.SetModified(64, true);
    }

    QuestionAnswer Ask(bool closing, std::deque<QuestionAnswer> answers, bool modal = false) {
        dialogs.answers = std::move(answers);
        return AskAboutUnreadablePlan(arrangement, closing, modal, dialogs, host, {});
    }

    TempDir dir;
    Arrangement arrangement;
    TThePlan& plan = arrangement.plan;
    FakeCommandHost host;
    ScriptedDialogs dialogs{host};
};

TEST_F(UnreadablePlan, AsksOnlyWithMessagesAndNoFileAndNamesTheFile) {
    QFile(plan.FileName).open(QIODevice::WriteOnly);
    EXPECT_EQ(Ask(false, {}), QuestionAnswer::None);
    QFile::remove(plan.FileName);
    EXPECT_EQ(Ask(true, {QuestionAnswer::Cancel}, true), QuestionAnswer::Cancel);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].content, GetText(55) + ": \"" + plan.FileName + "\".");
    EXPECT_EQ(dialogs.asked[0].question, Text(240) + " " + Text(241) + ".");
    EXPECT_TRUE(dialogs.modalWhileAsked);
    EXPECT_EQ(host.dimmed, 0);
    EXPECT_EQ(host.aside, 0);
    plan.LoadMessages.clear();
    EXPECT_EQ(Ask(false, {}), QuestionAnswer::None);
}

TEST_F(UnreadablePlan, YesSavesAsTextUnderTheNameOrMarksTheFailure) {
    const QString missingFolder = dir.file("no/such/gone.skw");
    plan.FileName = missingFolder;
    EXPECT_EQ(Ask(false, {QuestionAnswer::Yes}), QuestionAnswer::Yes);
    EXPECT_EQ(plan.LastChangeCode(), 195);
    EXPECT_EQ(dialogs.reportWindowShown, 1);

    plan.FileName = dir.file("gone.skw");
    EXPECT_EQ(Ask(false, {QuestionAnswer::Yes}), QuestionAnswer::Yes);
    QFile saved(plan.FileName);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith("[Main]\r\nFormatVersion=2"));
    EXPECT_TRUE(plan.LoadMessages.isEmpty());
    EXPECT_FALSE(plan.Untitled);
}

TEST_F(UnreadablePlan, RetryAsksAgainWhileTheFileIsMissing) {
    dialogs.beforeAnswer = [&](size_t asks) {
        if (asks == 2) { // the file turns up before the second answer
            EXPECT_TRUE(SavePlan(arrangement, plan.FileName, kFormatText, false));
        }
    };
    EXPECT_EQ(Ask(false, {QuestionAnswer::Retry, QuestionAnswer::Retry}), QuestionAnswer::Retry);
    EXPECT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.unreadable, QStringList{plan.FileName});
    EXPECT_TRUE(plan.LoadMessages.isEmpty());
    EXPECT_EQ(dialogs.lineMoved, 1);
}

TEST_F(UnreadablePlan, NoGivesUpTheNameAndCancelClosesOnlyWhenClosing) {
    EXPECT_EQ(Ask(false, {QuestionAnswer::Cancel}), QuestionAnswer::Cancel);
    EXPECT_TRUE(plan.Modified());
    EXPECT_EQ(Ask(true, {QuestionAnswer::Cancel}), QuestionAnswer::Cancel);
    EXPECT_FALSE(plan.Modified());
    EXPECT_EQ(dialogs.closed, 1);
    EXPECT_EQ(Ask(false, {QuestionAnswer::No}), QuestionAnswer::No);
    EXPECT_EQ(plan.FileName, Text(29));
    EXPECT_TRUE(plan.LoadMessages.isEmpty());
}

TEST(UnreadablePlanTexts, TheClosingAnswerGoesOnAfterTheCommaOfItsText) {
    const EnglishTexts english;
    EXPECT_TRUE(
        UnreadablePlanTextsFor("/plans/a.skw", true)
            .question.endsWith(" looks for the file again, and Cancel closes without saving."));
}

} // namespace
