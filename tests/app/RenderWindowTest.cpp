// Rendering from the window: the dialog, the render beside the rolling plan, its menu items and
// the close question while it runs.
#include "MessageBoxAnswers.h"
#include "NextDialog.h"
#include "ProgramFolderFixture.h"
#include "audio/MixerViewAdapter.h"
#include "audio/Perpetuator.h"
#include "commands/CommandIds.h"
#include "commands/Instructor.h"
#include "controls/TheCarrier.h"
#include "model/Arrangement.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QProcess>
#include <QTest>

namespace {

const QString kDemo = QStringLiteral(GBX_PROGRAM_DIR "/data/demo/demo.skw");
constexpr int kLongWaitMs = 120'000;

// The program in its interactive mode on the demo plan, with the English texts for its dialogs.
class RenderWindow : public SessionFixture {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(SessionFixture::SetUp());
        for (const char* name : {"instructions_en.txt", "nomenclature_en.txt"})
            WriteFile(folders.dataFolder + "parlance/" + name,
                      ReadAll(QStringLiteral(GBX_SOURCE_DIR "/data/parlance/") + name));
        ASSERT_NO_FATAL_FAILURE(startSession({folders, kDemo, SessionMode::Interactive}));
    }
    void TearDown() override {
        BoxAnswers stop({QMessageBox::Yes, QMessageBox::No});
        SessionFixture::TearDown();
    }
    CommandTable& commands() { return session->Instructor()->Commands(); }
    MixerViewAdapter& renders() { return *session->Audio().Renders(); }
    QTimer& renderTimer() { return session->Window()->Timers().RenderTimer; }
    // Runs 1197 with the dialog answered by the file typed under `filter`.
    void renderTo(const QString& file, const QString& filter) {
        NextDialog<QFileDialog> answer([&](QFileDialog& dialog) {
            for (const QString& entry : dialog.nameFilters())
                if (entry.startsWith(filter + " ("))
                    dialog.selectNameFilter(entry);
            TypeFileName(dialog, file);
        });
        ASSERT_TRUE(commands().Run(cmd::kPerpetuate));
        ASSERT_EQ(answer.Seen(), 1);
    }
};

TEST_F(RenderWindow, ARenderBesideTheLoopingPlanHoldsTheBytesOfTheCommandLinesRender) {
    TTheCarrier& carrier = *session->Carrier();
    carrier.Roll(true, session->Model().plan.Start);
    ASSERT_TRUE(carrier.Rolling());

    const QString fromWindow = dir.file("window.wav");
    ASSERT_NO_FATAL_FAILURE(renderTo(fromWindow, "Wave, 16 bits, 44100 Hz, stereo"));
    ASSERT_EQ(renders().RenderCount(), 1);
    EXPECT_TRUE(renderTimer().isActive());
    const auto titled = [&] { return session->Window()->windowTitle().contains("[rendering: "); };
    EXPECT_TRUE(QTest::qWaitFor(titled, kLongWaitMs)) << "the title shows the progress";
    ASSERT_TRUE(QTest::qWaitFor([&] { return renders().RenderCount() == 0; }, kLongWaitMs));
    EXPECT_FALSE(renderTimer().isActive()) << "the timer rests with no render left";
    EXPECT_FALSE(titled());
    EXPECT_TRUE(carrier.Rolling());

    const QString fromCommandLine = dir.file("command-line.wav");
    QProcess program;
    program.start(QStringLiteral(GBX_PROGRAM_DIR "/glorinbax"),
                  {"--render", kDemo, fromCommandLine});
    ASSERT_TRUE(program.waitForFinished(kLongWaitMs));
    ASSERT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    const QByteArray expected = ReadAll(fromCommandLine);
    ASSERT_GT(expected.size(), 44);
    EXPECT_TRUE(ReadAll(fromWindow) == expected) << "the window's render differs";
}

TEST_F(RenderWindow, TheDialogRemembersTheFileAndTheFormatAndANamesExtensionDecides) {
    const QString flac = dir.file("take");
    ASSERT_NO_FATAL_FAILURE(renderTo(flac, "FLAC, 24 bits, 44100 Hz, stereo"));
    ASSERT_EQ(renders().RenderCount(), 1);
    EXPECT_EQ(renders().Render(0).FileName(), flac + ".flac") << "the entry's extension added";
    EXPECT_EQ(renders().Render(0).Format().tracks, 2u);

    QString proposed;
    QString selected;
    NextDialog<QFileDialog> look([&](QFileDialog& dialog) {
        proposed = dialog.selectedFiles().value(0);
        selected = dialog.selectedNameFilter();
        TypeFileName(dialog, dir.file("take.wav"));
    });
    ASSERT_TRUE(commands().Run(cmd::kPerpetuate));
    EXPECT_EQ(proposed, dir.file("demo.wav")) << "the plan's name in the folder rendered to";
    EXPECT_TRUE(selected.startsWith("FLAC, 24 bits, 44100 Hz, stereo (")) << selected.toStdString();
    ASSERT_EQ(renders().RenderCount(), 2);
    EXPECT_EQ(renders().Render(1).FileName(), dir.file("take.wav"));
    EXPECT_EQ(renders().Render(1).Format().bits, 16u) << "a WAV named under the FLAC entry";
}

TEST_F(RenderWindow, TheRenderItemsMarkTheNewestToOpenPauseResumeAndStopOne) {
    ASSERT_NO_FATAL_FAILURE(renderTo(dir.file("first.wav"), "Wave, 8 bits, 44100 Hz, stereo"));
    ASSERT_NO_FATAL_FAILURE(renderTo(dir.file("second.wav"), "Wave, 16 bits, 44100 Hz, stereo"));
    ASSERT_EQ(renders().RenderCount(), 2);
    EXPECT_EQ(renders().Render(0).Format().bits, 8u);

    ASSERT_TRUE(commands().Run(cmd::kOpenLastRender));
    EXPECT_TRUE(renders().Render(1).OpenFile);
    EXPECT_FALSE(renders().Render(0).OpenFile);
    ASSERT_TRUE(commands().Run(cmd::kOpenLastRenderInEditor));
    EXPECT_TRUE(renders().Render(1).OpenInEditor);

    ASSERT_TRUE(renderTimer().isActive());
    ASSERT_TRUE(commands().Run(cmd::kPauseRendering));
    EXPECT_FALSE(renderTimer().isActive());
    ASSERT_TRUE(commands().Run(cmd::kPauseRendering));
    EXPECT_TRUE(renderTimer().isActive());

    // The pop-up lists the newest first; its first item stops the second render.
    QStringList listed;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (const QAction* action : menu->actions())
            listed << action->text();
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    ASSERT_TRUE(commands().Run(cmd::kStopRender));
    EXPECT_EQ(listed, (QStringList{dir.file("second.wav"), dir.file("first.wav")}));
    ASSERT_EQ(renders().RenderCount(), 1);
    EXPECT_EQ(renders().Render(0).FileName(), dir.file("first.wav"));
    EXPECT_TRUE(renderTimer().isActive()) << "running again after the choice";
}

TEST_F(RenderWindow, ClosingDuringARenderAsksAndNoLeavesTheWindowAndTheRenderRunning) {
    ASSERT_NO_FATAL_FAILURE(renderTo(dir.file("long.wav"), "Wave, 32-bit float, 44100 Hz, stereo"));
    ASSERT_EQ(renders().RenderCount(), 1);
    {
        BoxAnswers answers({QMessageBox::No});
        EXPECT_FALSE(session->Close());
        EXPECT_EQ(answers.seen.size(), 1u);
    }
    EXPECT_TRUE(session->Window()->isVisible());
    ASSERT_EQ(renders().RenderCount(), 1);
    EXPECT_TRUE(renders().Render(0).Active());
    EXPECT_TRUE(renderTimer().isActive());
}

} // namespace
