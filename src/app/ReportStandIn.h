// Stands in for the report window until it exists: queued report lines go to the fault log.
#pragma once

class QTimer;

// Nothing is ever shown or waiting in a report window that does not exist. UI thread only.
class ReportStandIn {
public:
    // The timer that moves the lines; it stops once they are moved.
    void AttachTimer(QTimer* reportTimer) { m_timer = reportTimer; }
    // Shows the fault-log failures other threads queued, then logs each queued report line.
    void MoveQueuedLines();
    bool Visible() const { return false; }
    bool LinesWaiting() const { return false; }
    void Show(bool) {}

private:
    QTimer* m_timer = nullptr;
};
