// The report window steps aside while a modal dialog of the program is open.
#pragma once

class WindowPeers;

// Brackets every modal dialog; nested dialogs count. UI thread only.
class ReportStepAside {
public:
    ReportStepAside(WindowPeers& peers, bool autoHide) : m_peers(peers), m_autoHide(autoHide) {}

    // Counts the dialog when the report is shown or already aside, and hides a shown report
    // (Report.AutoHide) unless new lines wait to be seen.
    void StepAside();
    // The report shows again when the outermost dialog closes.
    void Return();
    int Count() const { return m_count; }

private:
    WindowPeers& m_peers;
    bool m_autoHide;
    int m_count = 0;
};
