// Stands in for the instructor and the menus behind the window's keys until they are wired.
#pragma once

#include "app/KeyCommandLink.h"

#include <QString>

#include <functional>

class CommandTable;

// Commands run through the table; the menus and the audition are not there yet, so those keys
// open and sound nothing. UI thread only.
class KeyCommandsStandIn : public KeyCommandLink {
public:
    // saveSettings writes the settings and the window's placement to the file now.
    KeyCommandsStandIn(const CommandTable& commands, QString settingsFile,
                       std::function<void()> saveSettings)
        : m_commands(commands), m_settingsFile(std::move(settingsFile)),
          m_saveSettings(std::move(saveSettings)) {}

    bool RunCommand(int id) override;
    void AuditionAtPoint(bool, bool) override {}
    void ShowMainPopup(bool) override {}
    void ShowMenuByKey() override {}
    bool ShowMenuByLetter(QChar) override { return false; }
    void ShowBallMenuAtPoint() override {}
    void ShowLaneMenuAtPoint() override {}
    void ShowRulerMenuAtLine() override {}
    void SaveSettingsNow() override { m_saveSettings(); }
    void OpenSettingsFileInEditor() override;
    void ChooseLanguage() override {}
    void StepLanguage(int step) override;

private:
    const CommandTable& m_commands;
    QString m_settingsFile;
    std::function<void()> m_saveSettings;
};
