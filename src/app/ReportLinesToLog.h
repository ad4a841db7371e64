// The window's peers until the report window exists: queued report lines go to the fault log.
#pragma once

#include "app/WindowPeers.h"

class QTimer;

// UI thread only.
class ReportLinesToLog : public WindowPeers {
public:
    // The timer that moves the lines; it stops once they are moved.
    void AttachTimer(QTimer* reportTimer) { m_timer = reportTimer; }
    // Shows the fault-log failures other threads queued, then logs each queued report line.
    void MoveQueuedReportLines() override;

private:
    QTimer* m_timer = nullptr;
};
