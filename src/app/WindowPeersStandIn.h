// Stands in for the window's later parts until they exist: the report window's queued lines go
// to the fault log; the watch, the loudness slider, the lane meters and the menu trigger are not
// there, so there is nothing to paint, show or clear. The carrier's held button repeats.
#pragma once

#include "app/WindowPeers.h"

class QTimer;
class TTheCarrier;

// UI thread only. Each part's calls go to the part once it exists.
class WindowPeersStandIn : public WindowPeers {
public:
    // The timer that moves the lines; it stops once they are moved.
    void AttachTimer(QTimer* reportTimer) { m_timer = reportTimer; }
    // The window's carrier, while the window exists.
    void AttachCarrier(TTheCarrier* carrier) { m_carrier = carrier; }
    // Shows the fault-log failures other threads queued, then logs each queued report line.
    void MoveQueuedReportLines() override;

    void PaintWatchDigits(bool) override {}
    void UpdateLaneMeters() override {}
    void RepeatCarrierButton() override;
    void ShowFadeLoudness(long double) override {}
    // No report window: nothing is ever shown or waiting in it.
    bool ReportVisible() const override { return false; }
    bool ReportLinesWaiting() const override { return false; }
    void ShowReport(bool) override {}
    void ClearMenuTriggerHighlight() override {}

private:
    QTimer* m_timer = nullptr;
    TTheCarrier* m_carrier = nullptr;
};
