#include "app/ProgramKeyCommands.h"

#include "commands/CommandIds.h"
#include "commands/CommandTable.h"
#include "commands/ContextCommands.h"
#include "commands/Menus.h"
#include "commands/PlanDialogs.h"
#include "commands/PlanFileCommands.h"
#include "commands/SoundFileCommands.h"
#include "texts/Parlance.h"

#include <QLocale>

bool ProgramKeyCommands::RunCommand(int id) {
    return m_setup.commands.Run(id);
}

void ProgramKeyCommands::ShowMainPopup(bool atLeft) {
    m_setup.menus.ShowMainPopup(atLeft);
}

void ProgramKeyCommands::ShowMenuByKey() {
    m_setup.menus.ShowMenuByKey();
}

bool ProgramKeyCommands::ShowMenuByLetter(QChar letter) {
    return m_setup.menus.ShowMenuByLetter(letter);
}

void ProgramKeyCommands::ShowBallMenuAtPoint() {
    m_setup.menus.ShowBallMenuAtPoint();
}

void ProgramKeyCommands::ShowLaneMenuAtPoint() {
    m_setup.menus.ShowLaneMenuAtPoint();
}

void ProgramKeyCommands::ShowRulerMenuAtLine() {
    m_setup.menus.ShowRulerMenuAtLine();
}

void ProgramKeyCommands::OpenSettingsFileInEditor() {
    OpenInTextEditor(m_setup.desktop, m_setup.settingsFile);
}

void ProgramKeyCommands::CopyToClipboard(const QString& text) {
    m_setup.desktop.SetClipboardText(text);
}

void ProgramKeyCommands::ChooseLanguage() {
    const qsizetype index = LanguageCodes().indexOf(LanguageCodeForLocale(QLocale::system()));
    SelectLanguage(index < 0 ? 0 : static_cast<int>(index));
}

void ProgramKeyCommands::StepLanguage(int step) {
    const int count = static_cast<int>(Languages().size());
    if (count > 0)
        SelectLanguage(((SelectedLanguage() + step) % count + count) % count);
}

void ProgramKeyCommands::RunCommandByNumber() {
    if (m_setup.runByNumber)
        m_setup.runByNumber();
}

void ProgramKeyCommands::SelectNextStyle() {
    m_setup.menus.SelectNextStyle();
}

void ProgramKeyCommands::ChooseSoundFileAtPoint() {
    if (m_setup.contexts && m_setup.commandState)
        ::ChooseSoundFileAtPoint(*m_setup.contexts, *m_setup.commandState);
}

void ProgramKeyCommands::CopySoundFileNameAtPoint() {
    if (m_setup.contexts && m_setup.commandState)
        ::CopySoundFileNameAtPoint(*m_setup.contexts, *m_setup.commandState, m_setup.desktop);
}

void ProgramKeyCommands::PasteSoundFileAtPoint() {
    if (m_setup.contexts)
        m_setup.contexts->Run(Dispatcher::Room, cmd::kPasteSoundFile);
}
