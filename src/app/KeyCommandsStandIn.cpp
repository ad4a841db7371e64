// The stand-in behind the window's keys.
#include "app/KeyCommandsStandIn.h"

#include "commands/CommandTable.h"
#include "texts/Parlance.h"

#include <QProcess>

namespace {

// The program that amends text files, as the texts name it.
constexpr int kTextEditorText = 39;

} // namespace

bool KeyCommandsStandIn::RunCommand(int id) {
    return m_commands.Run(id);
}

void KeyCommandsStandIn::OpenSettingsFileInEditor() {
    const QString program = Text(kTextEditorText);
    if (!program.isEmpty())
        QProcess::startDetached(program, {m_settingsFile});
}

void KeyCommandsStandIn::StepLanguage(int step) {
    const int count = static_cast<int>(Languages().size());
    if (count > 0)
        SelectLanguage(((SelectedLanguage() + step) % count + count) % count);
}
