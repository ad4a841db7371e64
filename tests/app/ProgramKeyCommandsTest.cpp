// What the keys reach on the desktop: the text editor and the clipboard.
#include "app/ProgramKeyCommands.h"
#include "commands/CommandTable.h"
#include "commands/Menus.h"
#include "commands/PlanDialogs.h"
#include "support/Report.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

// A desktop on which no program starts.
class RefusingDesktop : public PlanDesktop {
public:
    bool StartProgram(const QString&, const QStringList& arguments) override {
        started.push_back(arguments);
        return false;
    }
    bool OpenWithDefaultProgram(const QString&) override { return false; }
    void ShowInFolder(const QString&) override {}
    void SetClipboardText(const QString& text) override { clipboard = text; }
    QString ClipboardText() const override { return clipboard; }

    std::vector<QStringList> started;
    QString clipboard;
};

TEST(ProgramKeyCommands, TheSettingsFileGoesToTheTextEditorAndAFailedStartIsReported) {
    reportqueue::SetAccepting(true);
    reportqueue::TakeAll();
    CommandTable commands;
    ProgramMenus menus;
    RefusingDesktop desktop;
    const QString settings = QStringLiteral("/settings folder/glorinbax.ini");
    ProgramKeyCommands keys(KeyCommandsSetup{commands, menus, desktop, {}, settings, {}, {}, {}});

    keys.OpenSettingsFileInEditor();
    ASSERT_EQ(desktop.started.size(), 1u);
    EXPECT_EQ(desktop.started[0], QStringList{settings}) << "one argument, no shell";
    const std::vector<ReportLine> lines = reportqueue::TakeAll();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text, settings);
    EXPECT_TRUE(lines[0].isError);

    keys.CopyToClipboard(QStringLiteral("Song.skw"));
    EXPECT_EQ(desktop.clipboard, "Song.skw");
    reportqueue::SetAccepting(false);
}

} // namespace
