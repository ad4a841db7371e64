// The report and handout windows beside the main window, and what they ask of it.
#pragma once

#include "texts/windows/ReportWindowHooks.h"
#include "texts/windows/TheHandout.h"
#include "texts/windows/TheReport.h"

class CommandHost;
class ProgramMenus;
class TGlorinbaxMF;
class TWideCustomIniFile;

// Everything referenced outlives the side windows.
struct SideWindowsSetup {
    TGlorinbaxMF& window;
    CommandHost& host;
    ProgramMenus& menus;
    QString defaultInteriorFolder;
};

// Made after the main window and gone before it. UI thread only.
class SideWindows final : private ReportWindowHooks {
public:
    explicit SideWindows(const SideWindowsSetup& setup);

    TTheReport& Report() { return m_report; }
    TTheHandout& Handout() { return m_handout; }
    // The report's placement and column widths.
    void Restore(const TWideCustomIniFile& store);
    void Save(TWideCustomIniFile& store) const;
    // The words of the language in force.
    void LanguageSwitched();

private:
    // ReportWindowHooks
    bool AskYesNo(const QString& caption, const QString& text, const QString& detail) override;
    void ShowReportMenu(QPoint screenAt) override;
    void ShowLaneMenuAtPoint() override;
    void ShowMenuByKey() override;
    void PassKey(QKeyEvent& event) override;
    void MinimizeMainWindow() override;

    SideWindowsSetup m_setup;
    TTheReport m_report;
    TTheHandout m_handout;
};
