// Where queued report lines go: the report window while it exists, else the fault log.
#pragma once

class QTimer;
class TTheReport;

// UI thread only.
class ReportWindowSlot {
public:
    // The timer that moves the lines; it stops once they are moved.
    void AttachTimer(QTimer* reportTimer) { m_timer = reportTimer; }
    void AttachWindow(TTheReport* report) { m_report = report; }
    TTheReport* Window() const { return m_report; }

    // Shows the fault-log failures other threads queued, then moves each queued report line
    // into the window, or into the fault log without one. A line of kind error shows the window
    // unless a dialog is open.
    void MoveQueuedLines();
    bool Visible() const;
    // Lines are queued that the window does not show yet.
    bool LinesWaiting() const;
    void Show(bool visible);
    int RowCount() const;
    int SelectedRowCount() const;

private:
    QTimer* m_timer = nullptr;
    TTheReport* m_report = nullptr;
};
