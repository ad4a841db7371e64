// The report window: the lines reported to the user, newest on top, in three columns.
#pragma once

#include "texts/windows/ReportRows.h"

#include <QWidget>

class QTreeWidget;
class ReportWindowHooks;
class TWideCustomIniFile;

// The settings section of the report's place and column widths.
inline constexpr char kReportSection[] = "TheReport";

// A tool window over the main window; hidden until shown. UI thread only: other threads reach
// it through the report queue.
class TTheReport : public QWidget {
public:
    // The hooks outlive the window.
    TTheReport(ReportWindowHooks& hooks, QWidget* mainWindow);

    // A row at the top.
    void AddRow(const QString& subject, const QString& text, const QString& time);
    // The caption and the column headings in the language in force.
    void SetCaptions();
    // The window's keys; false for a key it leaves to the main window.
    bool ReportKey(int key, Qt::KeyboardModifiers modifiers);

    int RowCount() const;
    int SelectedRowCount() const;
    ReportRow Row(int index) const;
    QTreeWidget& List() { return *m_list; }

    // The text and time column widths, in kReportSection.
    void ReadColumnWidths(const TWideCustomIniFile& store);
    void WriteColumnWidths(TWideCustomIniFile& store) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void copy(bool full);
    void cut(bool full);
    void paste();
    void deleteSelected();
    void clearAll();
    void layoutColumns();
    // Where the menu opens for a key: below the current row, else the list's corner.
    QPoint selectionPoint() const;
    bool listKey(QKeyEvent& event);

    ReportWindowHooks& m_hooks;
    QTreeWidget* m_list;
};
