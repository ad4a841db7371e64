// The report window's menu: its editing keys sent to it, showing or hiding it, and its
// information.
#pragma once

#include <Qt>

class CommandHost;
class CommandTable;
class PlanDialogs;

// What the commands ask of the report window. UI thread only.
class ReportLink {
public:
    virtual ~ReportLink() = default;
    virtual bool Visible() const = 0;
    virtual void Show(bool visible) = 0;
    virtual int RowCount() const = 0;
    virtual int SelectedRowCount() const = 0;
    // The window's own key handling, as if the key had been pressed in it.
    virtual void ReportKey(int key, Qt::KeyboardModifiers modifiers) = 0;
};

// Everything referenced outlives the table.
struct ReportCommandLinks {
    ReportLink& report;
    CommandHost& host;
    PlanDialogs& dialogs; // the information box
};

// Adds to the report window's own table. UI thread only.
void AddReportCommands(CommandTable& report, const ReportCommandLinks& links);
