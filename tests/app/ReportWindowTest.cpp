#include "ProgramFolderFixture.h"
#include "commands/CommandIds.h"
#include "commands/Instructor.h"
#include "commands/MenusItems.h"
#include "support/FaultLog.h"
#include "support/Report.h"
#include "support/WideMemIniFile.h"
#include "texts/Parlance.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <QTreeWidget>

#include <thread>

namespace {

class ReportWindowTest : public SessionFixture {
protected:
    TTheReport& report() { return session->Side()->Report(); }
    bool reportHas(const QString& part) {
        for (int i = 0; i < report().RowCount(); ++i) {
            const ReportRow row = report().Row(i);
            if ((row.subject + row.text).contains(part))
                return true;
        }
        return false;
    }
    QString faultLog() const { return QString::fromUtf8(ReadAll(faultlog::FilePath())); }
};

TEST_F(ReportWindowTest, ALineFromAnotherThreadArrivesWithTheReportTimer) {
    ASSERT_NO_FATAL_FAILURE(startSession(options()));
    std::thread([] { Report("sync thread", "reached the end", false); }).join();
    EXPECT_FALSE(reportHas("sync thread")) << "no widget is touched off the UI thread";
    EXPECT_TRUE(QTest::qWaitFor([&] { return reportHas("sync threadreached the end"); }));
    EXPECT_FALSE(report().isVisible()) << "a notice does not push the report forward";
}

TEST_F(ReportWindowTest, AMissingSoundOfTheStartingPlanIsReportedInTheWindowNotTheLog) {
    const QString plan = dir.file("song.skw");
    WriteFile(plan, ("[Lane.0]\r\nPosition=0\r\nResource=" + dir.file("gone.wav") +
                     "\r\n[0]\r\n"
                     "X=1\r\nY=0\r\n")
                        .toUtf8());
    ASSERT_NO_FATAL_FAILURE(startSession(options(plan)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return reportHas("gone.wav"); }));
    EXPECT_TRUE(report().isVisible()) << "an error shows the report";
    EXPECT_FALSE(faultLog().contains("gone.wav")) << faultLog().toStdString();
}

TEST_F(ReportWindowTest, EscapeHidesTheReportAndTheProgramRunsOn) {
    ASSERT_NO_FATAL_FAILURE(startSession(options()));
    ASSERT_TRUE(session->Instructor()->Commands().Run(cmd::kSwitchReport));
    ASSERT_TRUE(report().isVisible());
    QTest::keyClick(&report().List(), Qt::Key_Escape);
    EXPECT_FALSE(report().isVisible());
    EXPECT_FALSE(session->Closed());
    EXPECT_TRUE(session->Window()->isVisible());
}

TEST_F(ReportWindowTest, TheReportMenuOffersWhatTheRowsAllow) {
    ASSERT_NO_FATAL_FAILURE(startSession(options()));
    ProgramMenus& menus = session->Menus();
    const QMenu& menu = *menus.Context(ContextMenu::Report);
    const auto enabled = [&](int id) { return FindItem(menu, id)->isEnabled(); };
    menus.RefreshContext(ContextMenu::Report);
    EXPECT_FALSE(enabled(cmd::kReportClearAll));
    report().AddRow("a", "b", "c");
    menus.RefreshContext(ContextMenu::Report);
    EXPECT_TRUE(enabled(cmd::kReportClearAll));
    EXPECT_FALSE(enabled(cmd::kReportCopy));
    report().List().topLevelItem(0)->setSelected(true);
    menus.RefreshContext(ContextMenu::Report);
    EXPECT_TRUE(enabled(cmd::kReportCopy));
    // The menu's Delete reaches the window's own key.
    ASSERT_TRUE(session->Instructor()->Contexts().Run(Dispatcher::Report, cmd::kReportDelete));
    EXPECT_EQ(report().RowCount(), 0);
}

TEST_F(ReportWindowTest, TheHandoutSwitchesWithItsCommand) {
    ASSERT_NO_FATAL_FAILURE(startSession(options()));
    TTheHandout& handout = session->Side()->Handout();
    EXPECT_FALSE(handout.isVisible()) << "a script's run shows no handout";
    ASSERT_TRUE(session->Instructor()->Commands().Run(cmd::kSwitchHandout));
    EXPECT_TRUE(handout.isVisible());
    ASSERT_TRUE(session->Instructor()->Commands().Run(cmd::kSwitchHandout));
    EXPECT_FALSE(handout.isVisible());
}

TEST_F(ReportWindowTest, ALanguageSwitchRenamesTheReportAndRereadsTheHandout) {
    const QString parlance = folders.dataFolder + "parlance/";
    for (const QString code : {"en", "xx"}) {
        QList<QByteArray> lines =
            ReadAll(QStringLiteral(GBX_SOURCE_DIR "/data/parlance/nomenclature_en.txt"))
                .split('\n');
        lines[245] = code.toUtf8() + " report";
        WriteFile(parlance + "nomenclature_" + code + ".txt", lines.join('\n'));
        WriteFile(parlance + "instructions_" + code + ".txt",
                  ReadAll(QStringLiteral(GBX_SOURCE_DIR "/data/parlance/instructions_en.txt")));
        WriteFile(parlance + "handout_" + code + ".txt", code.toUtf8() + " handout");
    }
    ASSERT_NO_FATAL_FAILURE(startSession(
        options(), "[Main]\nLanguages=English,Test\nLanguageCodes=en,xx\nSelectedLanguage=0\n"));
    TTheHandout& handout = session->Side()->Handout();
    ASSERT_TRUE(session->Instructor()->Commands().Run(cmd::kSwitchHandout));
    EXPECT_TRUE(handout.Text().startsWith("en handout"));
    EXPECT_EQ(report().windowTitle(), "en report");

    ASSERT_TRUE(SelectLanguage(1));
    EXPECT_EQ(report().windowTitle(), "xx report");
    ASSERT_TRUE(session->Instructor()->Commands().Run(cmd::kSwitchHandout));
    ASSERT_TRUE(session->Instructor()->Commands().Run(cmd::kSwitchHandout));
    EXPECT_TRUE(handout.Text().startsWith("xx handout"));
}

TEST_F(ReportWindowTest, ClosingKeepsTheReportsPlaceAndColumnWidths) {
    ASSERT_NO_FATAL_FAILURE(startSession(options()));
    report().show();
    report().setGeometry(40, 50, 600, 300);
    report().List().setColumnWidth(2, 123);
    session->Close();
    session.reset();
    const TWideMemIniFile ini(folders.settingsFile);
    EXPECT_EQ(ini.ReadInteger("TheReport", "DateTime.Width", 0), 123);
    EXPECT_EQ(ini.ReadInteger("TheReport", "Message.Width", 0), 200);
    EXPECT_EQ(ini.ReadInteger("TheReport", "Width", 0), 600);
    EXPECT_EQ(ini.ReadInteger("TheReport", "Left", 0), 40);

    // The settings as the last run left them.
    session = std::make_unique<ProgramSession>(options());
    EXPECT_EQ(report().List().columnWidth(2), 123);
    EXPECT_EQ(report().geometry().size(), QSize(600, 300));
}

} // namespace
