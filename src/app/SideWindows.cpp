#include "app/SideWindows.h"

#include "app/MainWindow.h"
#include "app/WindowPlacement.h"
#include "commands/Menus.h"
#include "commands/YesNoBox.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QKeyEvent>

SideWindows::SideWindows(const SideWindowsSetup& setup)
    : m_setup(setup), m_report(*this, &setup.window),
      m_handout(&setup.window, setup.defaultInteriorFolder,
                [](const QUrl& address) { QDesktopServices::openUrl(address); }) {
    // A line shown by the report timer must not take the keys from the main window.
    m_report.setAttribute(Qt::WA_ShowWithoutActivating);
}

void SideWindows::Restore(const TWideCustomIniFile& store) {
    m_report.ReadColumnWidths(store);
    const WindowPlacement fallback{PlacementState::Normal, m_report.geometry(), false};
    ApplyBounds(m_report,
                ReadPlacement(store, QLatin1String(kReportSection), fallback, ScreenLayoutText()));
}

void SideWindows::Save(TWideCustomIniFile& store) const {
    // A report never shown has no place of its own: the one read stays.
    if (m_report.windowHandle())
        SavePlacement(store, QLatin1String(kReportSection), PlacementOf(m_report),
                      ScreenLayoutText());
    m_report.WriteColumnWidths(store);
}

void SideWindows::LanguageSwitched() {
    m_report.SetCaptions();
    m_handout.LanguageSwitched();
}

bool SideWindows::AskYesNo(const QString& caption, const QString& text, const QString& detail) {
    return AskYesNoBox(m_setup.host, caption, text, detail);
}

void SideWindows::ShowReportMenu(QPoint screenAt) {
    m_setup.menus.ShowContextMenu(ContextMenu::Report, m_setup.window.mapFromGlobal(screenAt));
}

void SideWindows::ShowLaneMenuAtPoint() {
    m_setup.menus.ShowLaneMenuAtPoint();
}

void SideWindows::ShowMenuByKey() {
    m_setup.menus.ShowMenuByKey();
}

void SideWindows::PassKey(QKeyEvent& event) {
    QCoreApplication::sendEvent(&m_setup.window, &event);
}

void SideWindows::MinimizeMainWindow() {
    m_setup.window.showMinimized();
}
