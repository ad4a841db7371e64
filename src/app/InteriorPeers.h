// The window's later parts as the interior's controls and the report window answer for them.
#pragma once

#include "app/ReportWindowSlot.h"
#include "app/WindowPeers.h"

class TTheInterior;

// UI thread only. Without an interior (before the window exists and after it is gone) the
// controls' calls do nothing; without a report window its lines go to the fault log.
class InteriorPeers : public WindowPeers {
public:
    void AttachInterior(TTheInterior* interior) { m_interior = interior; }
    ReportWindowSlot& Report() { return m_report; }

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
    int ReportRowCount() const override { return m_report.RowCount(); }
    int ReportSelectedRowCount() const override { return m_report.SelectedRowCount(); }

private:
    ReportWindowSlot m_report;
    TTheInterior* m_interior = nullptr;
};
