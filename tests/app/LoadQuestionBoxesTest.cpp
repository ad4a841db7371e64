// The message boxes a failed engine library asks at start-up: what they show, what each button
// answers, and what the answers do to the program coming up.
#include "MessageBoxAnswers.h"
#include "ProgramFolderFixture.h"
#include "app/WindowDialogs.h"
#include "texts/Parlance.h"

#include <gtest/gtest.h>

#include <QMessageBox>

namespace {

TEST(LoadQuestionBoxes, AbortRetryIgnoreAndTheLastOkAreStopBoxesWithoutParentOrCaption) {
    const LoadQuestions questions = WindowLoadQuestions();
    const QString text = QStringLiteral("The library could not be loaded.\nBASS_Handle = 0");
    const std::vector<std::pair<int, LoadAnswer>> answers = {
        {QMessageBox::Abort, LoadAnswer::Abort},
        {QMessageBox::Retry, LoadAnswer::Retry},
        {QMessageBox::Ignore, LoadAnswer::Ignore},
        // Closing the box must not go on without the library.
        {BoxAnswers::kEscape, LoadAnswer::Abort}};
    for (const auto& [button, answer] : answers) {
        SCOPED_TRACE(button);
        BoxAnswers boxes({button});
        EXPECT_EQ(questions.abortRetryIgnore(text), answer);
        ASSERT_EQ(boxes.seen.size(), 1u);
        const SeenBox& box = boxes.seen[0];
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.title, QString());
        EXPECT_EQ(box.icon, QMessageBox::Critical);
        EXPECT_EQ(box.buttons, QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
        EXPECT_TRUE(box.parentless);
    }

    BoxAnswers last({QMessageBox::Ok});
    questions.stopMessage(QStringLiteral("LIBGBXAUDIO.SO is of the wrong version"));
    ASSERT_EQ(last.seen.size(), 1u);
    EXPECT_EQ(last.seen[0].text, "LIBGBXAUDIO.SO is of the wrong version");
    EXPECT_EQ(last.seen[0].icon, QMessageBox::Critical);
    EXPECT_EQ(last.seen[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_TRUE(last.seen[0].parentless);
}

// The program itself, with the engine missing from its folder as a broken install leaves it.
class LoadQuestionsAtStartUp : public ::testing::Test {
protected:
    SessionOptions interactive() const { return {folders, QString(), SessionMode::Interactive}; }
    QString settingsText() const { return QString::fromUtf8(ReadAll(folders.settingsFile)); }

    TempDir dir;
    ProgramFolders folders = ProgramFolders::ForExecutable(dir.file("glorinbax"));
};

TEST_F(LoadQuestionsAtStartUp, RetryLoadsTheLibraryPutInPlaceMeanwhile) {
    WriteFile(folders.settingsFile, "[Audio.Out]\nSelectedDevice=0\n");
    BoxAnswers boxes({QMessageBox::Retry, QMessageBox::Abort});
    boxes.beforeAnswer = [this, &boxes] {
        if (boxes.seen.size() == 1)
            LinkEngineInto(dir);
    };
    ProgramSession session(interactive());
    ASSERT_GE(boxes.seen.size(), 1u);
    EXPECT_TRUE(boxes.seen[0].text.startsWith(Text(99) + "\nBASS_Handle = 0; FilePath = "))
        << boxes.seen[0].text.toStdString();
    EXPECT_EQ(boxes.seen.size(), 1u) << "the second try found the library";
    EXPECT_FALSE(session.Halted());
    EXPECT_TRUE(session.Close());
}

TEST_F(LoadQuestionsAtStartUp, IgnoreComesUpWithoutTheEngineAndClosesAsUsual) {
    WriteFile(folders.settingsFile, "[Audio.Out]\nSelectedDevice=0\n");
    {
        BoxAnswers boxes({QMessageBox::Ignore, QMessageBox::Abort});
        ProgramSession session(interactive());
        EXPECT_EQ(boxes.seen.size(), 1u);
        EXPECT_FALSE(session.Halted());
        ASSERT_NE(session.Window(), nullptr);
        EXPECT_TRUE(session.Close());
    }
    EXPECT_TRUE(settingsText().contains("HandoutShown=1"));
}

TEST_F(LoadQuestionsAtStartUp, AbortHaltsAndWritesNothingButTheSettingsAsRead) {
    WriteFile(folders.settingsFile, "[Audio.Out]\nSelectedDevice=0\n");
    {
        BoxAnswers boxes({QMessageBox::Abort});
        ProgramSession session(interactive());
        EXPECT_EQ(boxes.seen.size(), 1u);
        EXPECT_TRUE(session.Halted());
    }
    EXPECT_TRUE(settingsText().contains("SelectedDevice=0"));
    EXPECT_FALSE(settingsText().contains("HandoutShown")) << "a halt saves nothing else";
}

} // namespace
