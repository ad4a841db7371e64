// What the report window asks of the main window and its menus.
#pragma once

#include <QPoint>

class QKeyEvent;
class QString;

// The window side implements it. UI thread only.
class ReportWindowHooks {
public:
    virtual ~ReportWindowHooks() = default;

    // The main window's Yes/No question, asked with the window in its dialog state.
    virtual bool AskYesNo(const QString& caption, const QString& text, const QString& detail) = 0;
    virtual void ShowReportMenu(QPoint screenAt) = 0;
    virtual void ShowLaneMenuAtPoint() = 0;
    // F10: the main menu, as the main window opens it.
    virtual void ShowMenuByKey() = 0;
    // A key the report does not handle goes to the main window's key handling.
    virtual void PassKey(QKeyEvent& event) = 0;
    virtual void MinimizeMainWindow() = 0;
};
