// The automatic save after a run that did not end normally: found, offered, restored, and left
// on disk whatever the answer.
#include "app/AutoSaveRecovery.h"
#include "MessageBoxAnswers.h"
#include "ProgramFolderFixture.h"
#include "model/Arrangement.h"

#include <gtest/gtest.h>

namespace {

const QDateTime kEarlier = QDateTime::currentDateTime().addSecs(-600);
const QDateTime kLater = QDateTime::currentDateTime().addSecs(-60);

// A plan with one lane named `handle` and one ball, its file dated `time`.
void WritePlan(const QString& path, const QByteArray& handle, const QDateTime& time) {
    WriteFile(path, "[Main]\nFormatVersion=2\nMPH=125\nFrameResolution=32\nFrames=64\n"
                    "ElementRate=44100\n[Lane.0]\nPosition=0\nHandle=" +
                        handle + "\n[0]\nX=1\nY=0\n");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

TEST(AutoSaveRecovery, OnlyALeftRecordWithASaveNewerThanItsPlanIsOffered) {
    const TempDir dir;
    const QString save = dir.file("plan_autosave.skw");
    const QString plan = dir.file("song.skw");
    EXPECT_EQ(AutoSaveRecordFile(save), dir.file("plan_autosave.txt"));
    ASSERT_NO_FATAL_FAILURE(WritePlan(save, "Saved", kLater));
    ASSERT_NO_FATAL_FAILURE(WritePlan(plan, "Plan", kEarlier));
    EXPECT_FALSE(FindRecoverableSave(save)) << "no record: the last run ended normally";

    ASSERT_TRUE(WriteAutoSaveRecord(save, plan));
    const std::optional<RecoverableSave> found = FindRecoverableSave(save);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->planFile, plan);
    EXPECT_EQ(found->savedAt.toSecsSinceEpoch(), kLater.toSecsSinceEpoch());

    ASSERT_NO_FATAL_FAILURE(WritePlan(plan, "Plan", kLater.addSecs(30)));
    EXPECT_FALSE(FindRecoverableSave(save)) << "the plan was saved after the automatic save";
    QFile::remove(plan);
    EXPECT_TRUE(FindRecoverableSave(save)) << "the plan's file is gone";
    ASSERT_TRUE(WriteAutoSaveRecord(save, QString()));
    ASSERT_TRUE(FindRecoverableSave(save)) << "an untitled plan";
    EXPECT_TRUE(FindRecoverableSave(save)->planFile.isEmpty());

    RemoveAutoSaveRecord(save);
    EXPECT_FALSE(FindRecoverableSave(save));
    EXPECT_TRUE(QFileInfo::exists(save)) << "the automatic save itself stays";
}

// The program started on a plan whose changes were last saved automatically by a run that
// crashed.
class AutoSaveAtStart : public SessionFixture {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(SessionFixture::SetUp());
        // The shipped English texts, which name the automatic save.
        for (const QString name : {"instructions_en.txt", "nomenclature_en.txt"})
            WriteFile(folders.dataFolder + "parlance/" + name,
                      ReadAll(QStringLiteral(GBX_SOURCE_DIR "/data/parlance/") + name));
        ASSERT_NO_FATAL_FAILURE(WritePlan(plan, "Plan", kEarlier));
        ASSERT_NO_FATAL_FAILURE(WritePlan(save, "Saved", kLater));
        ASSERT_TRUE(WriteAutoSaveRecord(save, plan));
    }
    void start(int answer) {
        BoxAnswers answers({answer});
        ASSERT_NO_FATAL_FAILURE(startSession({folders, plan, SessionMode::Interactive}));
        ASSERT_EQ(answers.seen.size(), 1u);
        EXPECT_TRUE(answers.seen[0].text.contains(plan));
    }
    QString firstHandle() { return session->Model().lanes.AtRow(0)->Piece().Handle; }
    // A normal end, not keeping the plan's changes.
    void closeWithoutSaving() {
        BoxAnswers answers({QMessageBox::No});
        ASSERT_TRUE(session->Close());
        session.reset();
    }

    const QString plan = dir.file("song.skw");
    const QString save = folders.dataFolder + "plan_autosave.skw";
};

TEST_F(AutoSaveAtStart, YesOpensTheAutomaticSaveUnderThePlansNameAsAChangedPlan) {
    ASSERT_NO_FATAL_FAILURE(start(QMessageBox::Yes));
    EXPECT_EQ(firstHandle(), "Saved");
    const TThePlan& restored = session->Model().plan;
    EXPECT_EQ(restored.FileName, plan);
    EXPECT_FALSE(restored.Untitled);
    EXPECT_TRUE(restored.Modified());
    EXPECT_TRUE(QFileInfo::exists(AutoSaveRecordFile(save))) << "kept until a normal end";

    ASSERT_NO_FATAL_FAILURE(closeWithoutSaving());
    EXPECT_FALSE(QFileInfo::exists(AutoSaveRecordFile(save)));
    EXPECT_TRUE(QFileInfo::exists(save));
    EXPECT_TRUE(ReadAll(plan).contains("Handle=Plan")) << "the plan's file is left alone";
}

TEST_F(AutoSaveAtStart, NoOpensThePlanAndKeepsTheAutomaticSaveOutOfTheNextOnesWay) {
    ASSERT_NO_FATAL_FAILURE(start(QMessageBox::No));
    EXPECT_EQ(firstHandle(), "Plan");
    EXPECT_FALSE(session->Model().plan.Modified());
    EXPECT_FALSE(QFileInfo::exists(save));
    const QString aside =
        folders.dataFolder + "plan_autosave" + kLater.toString("-yyyyMMdd-HHmmss") + ".skw";
    EXPECT_TRUE(ReadAll(aside).contains("Handle=Saved")) << aside.toStdString();
}

TEST_F(AutoSaveAtStart, ARunBesideAnotherSavesUnderItsOwnNameAndLeavesTheOthersAlone) {
    const std::unique_ptr<QLockFile> other = TakeAutoSaveLock(save);
    ASSERT_TRUE(other);
    {
        BoxAnswers answers({QMessageBox::No});
        ASSERT_NO_FATAL_FAILURE(startSession({folders, plan, SessionMode::Interactive}));
        EXPECT_TRUE(answers.seen.empty()) << "the other run's live save is not offered";
    }
    EXPECT_EQ(firstHandle(), "Plan");
    session->Model().plan.SetModified(64, true);
    ASSERT_TRUE(session->Window()->AutoSaveNow());
    EXPECT_TRUE(ReadAll(save).contains("Handle=Saved"))
        << "the other run's save is not written over";
    EXPECT_TRUE(ReadAll(GuestAutoSaveFile(save)).contains("Handle=Plan"))
        << "saved under its own name";
    EXPECT_EQ(ReadAll(AutoSaveRecordFile(save)).trimmed(), plan.toUtf8());
    ASSERT_NO_FATAL_FAILURE(closeWithoutSaving());
    EXPECT_TRUE(QFileInfo::exists(AutoSaveRecordFile(save))) << "the other run's record stays";
    EXPECT_FALSE(TakeAutoSaveLock(save)) << "still the other run's";
}

TEST_F(AutoSaveAtStart, EachAutomaticSaveNamesItsPlanForTheNextStart) {
    ASSERT_NO_FATAL_FAILURE(start(QMessageBox::No));
    RemoveAutoSaveRecord(save);
    session->Model().plan.SetModified(64, true);
    ASSERT_TRUE(session->Window()->AutoSaveNow());
    EXPECT_EQ(ReadAll(AutoSaveRecordFile(save)).trimmed(), plan.toUtf8());
    ASSERT_NO_FATAL_FAILURE(closeWithoutSaving());
}

} // namespace
