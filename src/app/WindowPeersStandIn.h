// Stands in for the window's later parts until they exist: the report window's queued lines go
// to the fault log; the watch draws its digits; the carrier's buttons, the loudness slider, the
// lane meters and the menu trigger are not there, so there is nothing to repeat, show or clear.
#pragma once

#include "app/WindowPeers.h"

class QTimer;
class TTheWatch;

// UI thread only. Each part's calls go to the part once it exists.
class WindowPeersStandIn : public WindowPeers {
public:
    // The timer that moves the lines; it stops once they are moved.
    void AttachTimer(QTimer* reportTimer) { m_timer = reportTimer; }
    // The watch, when the window has one.
    void AttachWatch(TTheWatch* watch) { m_watch = watch; }
    // Shows the fault-log failures other threads queued, then logs each queued report line.
    void MoveQueuedReportLines() override;

    // The watch's current digits on the screen, the third group whole when called directly.
    void PaintWatchDigits(bool direct) override;
    void UpdateLaneMeters() override {}
    void RepeatCarrierButton() override {}
    void ShowFadeLoudness(long double) override {}
    // No report window: nothing is ever shown or waiting in it.
    bool ReportVisible() const override { return false; }
    bool ReportLinesWaiting() const override { return false; }
    void ShowReport(bool) override {}
    void ClearMenuTriggerHighlight() override {}

private:
    QTimer* m_timer = nullptr;
    TTheWatch* m_watch = nullptr;
};
