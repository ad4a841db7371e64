// Stands in for the window's later parts until they exist: the report window's queued lines go
// to the fault log; the carrier's buttons and the lane meters are not there, so there is nothing
// to repeat or update. The watch, the loudness slider and the menu trigger answer for themselves.
#pragma once

#include "app/WindowPeers.h"

class QTimer;
class TTheInterior;

// UI thread only. Each part's calls go to the part once it exists.
class WindowPeersStandIn : public WindowPeers {
public:
    // The timer that moves the lines; it stops once they are moved.
    void AttachTimer(QTimer* reportTimer) { m_timer = reportTimer; }
    // The window's controls; none before the window exists and after it is gone.
    void AttachInterior(TTheInterior* interior) { m_interior = interior; }
    // Shows the fault-log failures other threads queued, then logs each queued report line.
    void MoveQueuedReportLines() override;

    // The watch's current digits on the screen, the third group whole when called directly.
    void PaintWatchDigits(bool direct) override;
    void UpdateLaneMeters() override;
    void RepeatCarrierButton() override {}
    void ShowFadeLoudness(long double loudness) override;
    // No report window: nothing is ever shown or waiting in it.
    bool ReportVisible() const override { return false; }
    bool ReportLinesWaiting() const override { return false; }
    void ShowReport(bool) override {}
    void ClearMenuTriggerHighlight() override;

private:
    QTimer* m_timer = nullptr;
    TTheInterior* m_interior = nullptr;
};
