// What the window's keys reach outside the window: the instructor's commands, the menus, the
// audition, the settings file and the language.
#pragma once

#include "app/KeyCommandLink.h"

#include <QString>

#include <functional>

class CommandTable;
class ContextCommands;
class PlanDesktop;
class ProgramMenus;
struct CommandState;

struct KeyCommandsSetup {
    const CommandTable& commands;
    ProgramMenus& menus;
    PlanDesktop& desktop;
    std::function<void(bool replace, bool release)> auditionAtPoint;
    QString settingsFile;
    // Writes the settings and the window's placement to the file now.
    std::function<void()> saveSettings;
    // The commands run on the objects their ids belong to, and the typed command number.
    std::function<bool(int id)> runRouted;
    std::function<void()> runByNumber;
    // The commands of the objects at the point; none in tests of other keys.
    ContextCommands* contexts = nullptr;
    const CommandState* commandState = nullptr;
};

// UI thread only.
class ProgramKeyCommands final : public KeyCommandLink {
public:
    explicit ProgramKeyCommands(KeyCommandsSetup setup) : m_setup(std::move(setup)) {}

    bool RunCommand(int id) override;
    void AuditionAtPoint(bool replace, bool release) override {
        m_setup.auditionAtPoint(replace, release);
    }
    void ShowMainPopup(bool atLeft) override;
    void ShowMenuByKey() override;
    bool ShowMenuByLetter(QChar letter) override;
    void ShowBallMenuAtPoint() override;
    void ShowLaneMenuAtPoint() override;
    void ShowRulerMenuAtLine() override;
    void SaveSettingsNow() override { m_setup.saveSettings(); }
    void OpenSettingsFileInEditor() override;
    void CopyToClipboard(const QString& text) override;
    // The language the desktop's locale asks for, English when there is none of it.
    void ChooseLanguage() override;
    void StepLanguage(int step) override;
    bool RunRoutedCommand(int id) override { return m_setup.runRouted && m_setup.runRouted(id); }
    void RunCommandByNumber() override;
    void SelectNextStyle() override;
    void ChooseSoundFileAtPoint() override;
    void CopySoundFileNameAtPoint() override;
    void PasteSoundFileAtPoint() override;

private:
    KeyCommandsSetup m_setup;
};
