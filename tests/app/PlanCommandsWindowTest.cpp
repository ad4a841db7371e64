#include "ProgramFolderFixture.h"
#include "commands/Instructor.h"
#include "common/FileBytes.h"
#include "support/FaultLog.h"
#include "texts/PlanNames.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace {

// Works on the next modal dialog of a kind as soon as it shows, from inside its event loop; gives
// up after a while so that a dialog that never comes fails the test instead of hanging it.
template <class Dialog> class NextDialog {
public:
    explicit NextDialog(std::function<void(Dialog&)> work) : m_work(std::move(work)) {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }
    int Seen() const { return m_seen; }

private:
    void poll() {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            ++m_seen;
            m_timer.stop();
            m_work(*dialog);
        } else if (++m_polls > kMaxPolls) {
            m_timer.stop();
        }
    }

    static constexpr int kMaxPolls = 500;
    std::function<void(Dialog&)> m_work;
    QTimer m_timer;
    int m_seen = 0;
    int m_polls = 0;
};

// As a user types a full file name into the dialog's name field and confirms.
void typeFileName(QFileDialog& dialog, const QString& fileName) {
    auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(field, nullptr);
    field->setText(fileName);
    static_cast<QDialog&>(dialog).accept(); // the file dialog's own accept
}

class PlanCommandsWindow : public SessionFixture {
protected:
    void SetUp() override {
        SessionFixture::SetUp();
        // The dialogs' titles and filters come from the English texts.
        for (const char* name : {"instructions_en.txt", "nomenclature_en.txt"})
            WriteFile(folders.dataFolder + "parlance/" + name,
                      ReadAll(QStringLiteral(GBX_SOURCE_DIR "/data/parlance/") + name));
        ASSERT_NO_FATAL_FAILURE(startSession({folders, QString(), SessionMode::Interactive}));
    }
    TThePlan& plan() { return session->Model().plan; }
    void changePlan() {
        session->Model().balls.Add(2, 1, TPiece::kNoOwnHue, false);
        plan().SetModified(64, true);
    }
    void TearDown() override {
        // Closing asks nothing of an unchanged plan.
        plan().ClearModified();
        SessionFixture::TearDown();
    }
};

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

TEST_F(PlanCommandsWindow, KeepingANeverKeptPlanProposesARandomName) {
    changePlan();
    QString proposed;
    NextDialog<QFileDialog> look([&](QFileDialog& dialog) {
        proposed = QFileInfo(dialog.selectedFiles().value(0)).completeBaseName();
        dialog.reject();
    });
    EXPECT_TRUE(session->Instructor()->Commands().Run(1037));
    ASSERT_EQ(look.Seen(), 1);
    bool known = proposed == "I Don't Roll on Shabbos";
    for (const char* name : SimplePlanNames)
        known = known || proposed == name;
    EXPECT_TRUE(known) << proposed.toStdString();
    EXPECT_TRUE(plan().Untitled);
    EXPECT_TRUE(plan().Modified());
}

TEST_F(PlanCommandsWindow, KeepACopysThirdFilterWritesOnlyTheBallSections) {
    changePlan();
    const QString song = dir.file("song.skw");
    NextDialog<QFileDialog> keep([&](QFileDialog& dialog) { typeFileName(dialog, song); });
    ASSERT_TRUE(session->Instructor()->KeepPlan(false));
    ASSERT_EQ(plan().FileName, song);
    changePlan();

    const QString copy = dir.file("balls only.skw");
    NextDialog<QFileDialog> third([&](QFileDialog& dialog) {
        dialog.selectNameFilter(dialog.nameFilters().value(2));
        typeFileName(dialog, copy);
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
    // Without a report window the warning goes to the fault log.
    const QString log = QString::fromUtf8(ReadAll(faultlog::FilePath()));
    EXPECT_TRUE(log.contains("\"" + folders.dataFolder + "plan_backup.skw\"")) << log.toStdString();
}

} // namespace
