// What the main window and its menus ask of the parts that join it later: the watch, the
// carrier's button repeat, the loudness slider, the lane strip's meters, the report window and
// the menu trigger.
#pragma once

// InteriorPeers implements it from the window's controls. UI thread only.
class WindowPeers {
public:
    virtual ~WindowPeers() = default;

    // The watch draws its current digits; direct when called without the line timer.
    virtual void PaintWatchDigits(bool direct) = 0;
    virtual void UpdateLaneMeters() = 0;
    // One repeat step of the carrier button that is held down.
    virtual void RepeatCarrierButton() = 0;
    // The start-up fade reached this loudness; the slider shows it when the watch peeks at the
    // lanes' loudness and no lane's loudness is shown.
    virtual void ShowFadeLoudness(long double loudness) = 0;
    // Moves the queued report lines into the report window once it is not busy.
    virtual void MoveQueuedReportLines() = 0;

    virtual bool ReportVisible() const = 0;
    virtual bool ReportLinesWaiting() const = 0;
    virtual void ShowReport(bool visible) = 0;
    virtual int ReportRowCount() const = 0;
    virtual int ReportSelectedRowCount() const = 0;
    // Clears the menu trigger's highlight, repainting and presenting it when it was lit.
    virtual void ClearMenuTriggerHighlight() = 0;
};
