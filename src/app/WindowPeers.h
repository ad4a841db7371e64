// What the main window asks of the parts that join it later: the watch, the carrier's button
// repeat, the loudness slider, the lane strip's meters, the report window and the menu trigger.
// The defaults do nothing, as for a window without those parts.
#pragma once

// UI thread only.
class WindowPeers {
public:
    virtual ~WindowPeers() = default;

    // The watch draws its current digits; direct when called without the line timer.
    virtual void PaintWatchDigits(bool direct) { (void)direct; }
    virtual void UpdateLaneMeters() {}
    // One repeat step of the carrier button that is held down.
    virtual void RepeatCarrierButton() {}
    // The start-up fade reached this loudness; the slider shows it when the watch peeks at the
    // lanes' loudness and no lane's loudness is shown.
    virtual void ShowFadeLoudness(long double loudness) { (void)loudness; }
    // Moves the queued report lines into the report window once it is not busy.
    virtual void MoveQueuedReportLines() {}

    virtual bool ReportVisible() const { return false; }
    virtual bool ReportLinesWaiting() const { return false; }
    virtual void ShowReport(bool visible) { (void)visible; }
    // Clears the menu trigger's highlight, repainting and presenting it when it was lit.
    virtual void ClearMenuTriggerHighlight() {}
};
