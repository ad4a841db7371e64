// Choosing and starting the program that edits sound files.
#include "commands/EditorialProgram.h"

#include "commands/DialogState.h"
#include "commands/PlanDialogs.h"
#include "support/Report.h"
#include "support/SettingKeys.h"
#include "texts/Parlance.h"

#include <QFileInfo>

namespace {

constexpr int kTextDefaultSuffix = 2;
constexpr int kTextChooseTitle = 3;
constexpr int kTextProgramFilter = 45;
constexpr int kTextNotStarted = 166;

// Where the system keeps its programs.
const QString kSystemPrograms = QStringLiteral("/usr/bin");

} // namespace

QString EditorialProgram(const TWideCustomIniFile& settings) {
    return ReadSettingText(settings, Setting("Main", "EditorialProgram"));
}

bool ChooseEditorialProgram(PlanDialogs& dialogs, CommandHost& host, TWideCustomIniFile& settings) {
    const DialogState state(host);
    QString folder = ReadSettingText(settings, Setting("Main", "EditorialProgramFolder"));
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = kSystemPrograms;
    const QString chosen = dialogs.AskOpenFile(
        {Text(kTextChooseTitle), Text(kTextProgramFilter), Text(kTextDefaultSuffix), folder});
    if (chosen.isEmpty())
        return false;
    WriteSettingText(settings, Setting("Main", "EditorialProgram"), chosen);
    WriteSettingText(settings, Setting("Main", "EditorialProgramFolder"),
                     QFileInfo(chosen).absolutePath());
    return true;
}

bool StartEditorialProgram(PlanDesktop& desktop, const TWideCustomIniFile& settings,
                           const QStringList& arguments) {
    const QString program = EditorialProgram(settings);
    if (program.isEmpty())
        return false;
    if (desktop.StartProgram(program, arguments))
        return true;
    Report('"' + program + '"', Text(kTextNotStarted), true);
    return false;
}
