#include "texts/windows/TheReport.h"
#include "texts/LanguageFiles.h"
#include "texts/windows/ReportWindowHooks.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTest>
#include <QTreeWidget>

namespace {

class FakeHooks : public ReportWindowHooks {
public:
    bool AskYesNo(const QString& caption, const QString& text, const QString& detail) override {
        asked.push_back(caption + '|' + text + '|' + detail);
        return answer;
    }
    void ShowReportMenu(QPoint) override { ++menus; }
    void ShowLaneMenuAtPoint() override { ++laneMenus; }
    void ShowMenuByKey() override { ++mainMenus; }
    void PassKey(QKeyEvent& event) override { passed.push_back({event.type(), event.key()}); }
    void MinimizeMainWindow() override { ++minimized; }

    bool answer = false;
    QStringList asked;
    int menus = 0;
    int laneMenus = 0;
    int mainMenus = 0;
    int minimized = 0;
    std::vector<std::pair<QEvent::Type, int>> passed;
};

class TheReportTest : public ::testing::Test, public ParlanceFixture {
protected:
    TheReportTest() {
        for (const char* name : {"instructions_en.txt", "nomenclature_en.txt"}) {
            QFile::copy(QStringLiteral(GBX_SOURCE_DIR "/data/parlance/") + name,
                        dir.path() + "parlance/" + name);
        }
        load("Languages=English\nLanguageCodes=en\nSelectedLanguage=0\n");
        report = std::make_unique<TTheReport>(hooks, nullptr);
    }
    // A key pressed in the list view, where the user types.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&report->List(), static_cast<Qt::Key>(key), modifiers);
    }
    QStringList subjects() const {
        QStringList all;
        for (int i = 0; i < report->RowCount(); ++i)
            all << report->Row(i).subject;
        return all;
    }
    void addRows(const QStringList& newestLast) {
        for (const QString& subject : newestLast)
            report->AddRow(subject, subject + " text", "12:00:00");
    }
    void select(int row) { report->List().topLevelItem(row)->setSelected(true); }
    QString clipboard() const { return QGuiApplication::clipboard()->text(); }

    FakeHooks hooks;
    std::unique_ptr<TTheReport> report;
};

TEST_F(TheReportTest, TheNewestRowIsOnTopAndPastedLinesKeepTheirOrder) {
    addRows({"old", "new"});
    EXPECT_EQ(subjects(), (QStringList{"new", "old"}));
    QGuiApplication::clipboard()->setText("a\r\nb\r\nc\r\n");
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(subjects(), (QStringList{"a", "b", "c", "new", "old"}));
    QGuiApplication::clipboard()->setText("x\ty\tz");
    press(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(report->Row(0).text, "y");
    EXPECT_EQ(report->Row(0).time, "z");
    EXPECT_EQ(report->windowTitle(), "Report");
    EXPECT_EQ(report->List().headerItem()->text(2), "Time");
}

TEST_F(TheReportTest, SelectAllAndShiftDeselectAll) {
    addRows({"a", "b", "c"});
    press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(report->SelectedRowCount(), 3);
    press(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(report->SelectedRowCount(), 0);
}

TEST_F(TheReportTest, CopyAndCutTakeTheSelectedRowsFromTheTop) {
    addRows({"c", "b", "a"});
    select(0);
    select(2);
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), "a\r\nc\r\n");
    press(Qt::Key_Insert, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(clipboard(), "a\ta text\t12:00:00\r\nc\tc text\t12:00:00\r\n");
    EXPECT_EQ(report->RowCount(), 3) << "copying keeps the rows";

    press(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), "a\r\nc\r\n");
    EXPECT_EQ(subjects(), QStringList{"b"});
    select(0);
    press(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(clipboard(), "b\r\n");
    EXPECT_EQ(report->RowCount(), 0);

    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), "b\r\n") << "nothing selected leaves the clipboard alone";
}

TEST_F(TheReportTest, DeleteRemovesTheSelectionAndClearingAllAsksFirst) {
    addRows({"c", "b", "a"});
    select(1);
    press(Qt::Key_Delete);
    EXPECT_EQ(subjects(), (QStringList{"a", "c"}));

    press(Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(hooks.asked.size(), 1);
    EXPECT_EQ(hooks.asked[0], "Please confirm|Clear the report?|rows: 2.");
    EXPECT_EQ(report->RowCount(), 2) << "No keeps the rows";
    hooks.answer = true;
    press(Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(report->RowCount(), 0);
}

TEST_F(TheReportTest, TheSubjectColumnFillsTheWindowButStaysAtLeast100Wide) {
    report->show();
    report->resize(900, 300);
    const int inside = 900 - 2 * report->List().frameWidth() -
                       report->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    EXPECT_EQ(report->List().columnWidth(0), inside - 200 - 150);
    report->List().setColumnWidth(1, 500);
    EXPECT_EQ(report->List().columnWidth(0), inside - 500 - 150)
        << "widening a column narrows the subject";
    report->resize(400, 300);
    EXPECT_EQ(report->List().columnWidth(0), 100);
}

TEST_F(TheReportTest, EscapeHidesTheReportAndShiftEscapeMinimizesTheMainWindow) {
    report->show();
    press(Qt::Key_Escape);
    EXPECT_FALSE(report->isVisible());
    report->show();
    press(Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_EQ(hooks.minimized, 1);
    EXPECT_TRUE(report->isVisible());
    EXPECT_FALSE(hooks.passed.empty());
    for (const auto& [type, key] : hooks.passed)
        EXPECT_EQ(type, QEvent::KeyRelease) << "only the releases reach the main window";
}

TEST_F(TheReportTest, KeysTheReportLeavesGoToTheMainWindowButNotTheListsOwn) {
    addRows({"b", "a"});
    report->List().setCurrentItem(report->List().topLevelItem(0));
    press(Qt::Key_P);
    press(Qt::Key_C, Qt::AltModifier);
    press(Qt::Key_Down);
    std::vector<int> pressed;
    for (const auto& [type, key] : hooks.passed)
        if (type == QEvent::KeyPress)
            pressed.push_back(key);
    EXPECT_EQ(pressed, (std::vector<int>{Qt::Key_P, Qt::Key_Alt, Qt::Key_C}));
    EXPECT_EQ(report->List().currentItem(), report->List().topLevelItem(1))
        << "the arrow moved in the list";
}

TEST_F(TheReportTest, MenuKeysOpenTheReportLaneOrMainMenu) {
    press(Qt::Key_Menu);
    press(Qt::Key_F10, Qt::ShiftModifier);
    press(Qt::Key_F10, Qt::ControlModifier);
    press(Qt::Key_F10);
    EXPECT_EQ(hooks.menus, 2);
    EXPECT_EQ(hooks.laneMenus, 1);
    EXPECT_EQ(hooks.mainMenus, 1);
}

TEST_F(TheReportTest, ColumnWidthsComeFromAndGoBackToTheSettings) {
    TWideMemIniFile store(QString{});
    report->ReadColumnWidths(store);
    EXPECT_EQ(report->List().columnWidth(1), 200);
    EXPECT_EQ(report->List().columnWidth(2), 150);
    store.SetText("[TheReport]\nMessage.Width=320\nDateTime.Width=-5\n");
    report->ReadColumnWidths(store);
    EXPECT_EQ(report->List().columnWidth(1), 320);
    EXPECT_GT(report->List().columnWidth(2), 0) << "a column never vanishes";
    report->List().setColumnWidth(2, 120);
    report->WriteColumnWidths(store);
    EXPECT_EQ(store.ReadInteger("TheReport", "DateTime.Width", 0), 120);
    EXPECT_EQ(store.ReadInteger("TheReport", "Message.Width", 0), 320);
}

} // namespace
