#include "PlanCommandsWindow.h"
#include "NextDialog.h"
#include "commands/Instructor.h"
#include "common/FileBytes.h"
#include "texts/PlanNames.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

TEST_F(PlanCommandsWindow, ClosingAnUnchangedPlanAsksNothingAndCancelKeepsTheWindowOpen) {
    changePlan();
    NextDialog<QMessageBox> cancel(
        [](QMessageBox& box) { box.button(QMessageBox::Cancel)->click(); });
    EXPECT_FALSE(session->Close());
    EXPECT_EQ(cancel.Seen(), 1);
    EXPECT_TRUE(session->Window()->isVisible());
    EXPECT_TRUE(plan().Modified());
    EXPECT_EQ(session->Model().balls.Count(), 1);

    plan().ClearModified();
    NextDialog<QDialog> any([](QDialog& dialog) { dialog.reject(); });
    EXPECT_TRUE(session->Close());
    EXPECT_EQ(any.Seen(), 0);
    EXPECT_FALSE(session->Window()->isVisible());
}

TEST_F(PlanCommandsWindow, TheHandoutShowsAtTheFirstStartOnly) {
    EXPECT_TRUE(session->Side()->Handout().isVisible());
    ASSERT_TRUE(session->Close());
    session.reset(); // writes the settings
    session = std::make_unique<ProgramSession>(
        SessionOptions{folders, QString(), SessionMode::Interactive});
    EXPECT_FALSE(session->Side()->Handout().isVisible());
}

TEST_F(PlanCommandsWindow, TheReportStepsAsideForTheSaveQuestionAndComesBackOnCancel) {
    TTheReport& report = session->Side()->Report();
    report.show();
    changePlan();
    bool shownDuringQuestion = true;
    NextDialog<QMessageBox> cancel([&](QMessageBox& box) {
        shownDuringQuestion = report.isVisible();
        box.button(QMessageBox::Cancel)->click();
    });
    EXPECT_FALSE(session->Close());
    ASSERT_EQ(cancel.Seen(), 1);
    EXPECT_FALSE(shownDuringQuestion);
    EXPECT_TRUE(report.isVisible());
}

TEST_F(PlanCommandsWindow, CtrlSOnANeverKeptPlanProposesARandomName) {
    changePlan();
    QString proposed;
    NextDialog<QFileDialog> look([&](QFileDialog& dialog) {
        proposed = QFileInfo(dialog.selectedFiles().value(0)).completeBaseName();
        dialog.reject();
    });
    press(Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(look.Seen(), 1);
    bool known = proposed == "I Don't Roll on Shabbos";
    for (const char* name : SimplePlanNames)
        known = known || proposed == name;
    EXPECT_TRUE(known) << proposed.toStdString();
    EXPECT_TRUE(plan().Untitled);
    EXPECT_TRUE(plan().Modified());
    EXPECT_TRUE(QDir(dir.path()).entryList({"*.skw"}, QDir::Files).isEmpty());
}

TEST_F(PlanCommandsWindow, KeepACopysThirdFilterWritesOnlyTheBallSections) {
    changePlan();
    const QString song = dir.file("song.skw");
    NextDialog<QFileDialog> keep([&](QFileDialog& dialog) { TypeFileName(dialog, song); });
    ASSERT_TRUE(session->Instructor()->KeepPlan(false));
    ASSERT_EQ(plan().FileName, song);
    changePlan();

    const QString copy = dir.file("balls only.skw");
    NextDialog<QFileDialog> third([&](QFileDialog& dialog) {
        dialog.selectNameFilter(dialog.nameFilters().value(2));
        TypeFileName(dialog, copy);
    });
    EXPECT_TRUE(session->Instructor()->Commands().Run(1033));
    EXPECT_EQ(third.Seen(), 1);
    const QByteArray balls = ReadAll(copy);
    EXPECT_TRUE(balls.contains("X=2")) << balls.toStdString();
    EXPECT_FALSE(balls.contains("[Main]")) << balls.toStdString();
    EXPECT_EQ(plan().FileName, song);
    EXPECT_EQ(plan().FileFormat, 2) << "a new plan is first kept as text";
    EXPECT_TRUE(session->Window()->windowTitle().contains("song"));
}

TEST_F(PlanCommandsWindow, AReadOnlyPlanWhoseBackupFailsTwiceIsStillSavedWithAWarning) {
    const QString song = dir.file("song.skw");
    WriteFile(song, "[0]\r\nX=4\r\nY=0\r\n");
    ASSERT_TRUE(session->Instructor()->LoadPlanFile(false, song));
    QFile::setPermissions(song, QFile::ReadOwner | QFile::ReadUser);
    // A folder in the backup's place: neither replacing it nor copying over it can work.
    ASSERT_TRUE(QDir(folders.dataFolder).mkdir("plan_backup.skw"));
    changePlan();

    EXPECT_TRUE(session->Instructor()->Commands().Run(1037));
    EXPECT_EQ(ReadAll(song), "[0]\r\nX=4\r\nY=0\r\n");
    const QStringList copies = QDir(dir.path()).entryList({"song_*.skw"}, QDir::Files);
    ASSERT_EQ(copies.size(), 1);
    EXPECT_TRUE(ReadAll(dir.file(copies[0])).contains("X=2"));
    // The warning reaches the report window with the report timer, which shows it.
    const TTheReport& report = session->Side()->Report();
    const auto warned = [&] {
        for (int i = 0; i < report.RowCount(); ++i)
            if (report.Row(i).subject.endsWith('"' + folders.dataFolder + "plan_backup.skw\""))
                return true;
        return false;
    };
    EXPECT_TRUE(QTest::qWaitFor(warned));
    EXPECT_TRUE(report.isVisible());
}

} // namespace
