// The window's later parts as the interior's controls answer for them; the report window's part
// goes to its stand-in until that window exists.
#pragma once

#include "app/ReportStandIn.h"
#include "app/WindowPeers.h"

class QTimer;
class TTheInterior;

// UI thread only. Without an interior (before the window exists and after it is gone) the
// controls' calls do nothing.
class InteriorPeers : public WindowPeers {
public:
    void AttachTimer(QTimer* reportTimer) { m_report.AttachTimer(reportTimer); }
    void AttachInterior(TTheInterior* interior) { m_interior = interior; }

    // The watch's current digits on the screen, the third group whole when called directly.
    void PaintWatchDigits(bool direct) override;
    void UpdateLaneMeters() override;
    void RepeatCarrierButton() override;
    void ShowFadeLoudness(long double loudness) override;
    void ClearMenuTriggerHighlight() override;

    void MoveQueuedReportLines() override { m_report.MoveQueuedLines(); }
    bool ReportVisible() const override { return m_report.Visible(); }
    bool ReportLinesWaiting() const override { return m_report.LinesWaiting(); }
    void ShowReport(bool visible) override { m_report.Show(visible); }

private:
    ReportStandIn m_report;
    TTheInterior* m_interior = nullptr;
};
