// Counting dialogs for the report window.
#include "app/ReportStepAside.h"

#include "app/WindowPeers.h"

#include <algorithm>

void ReportStepAside::StepAside() {
    const bool visible = m_peers.ReportVisible();
    if (visible || m_count > 0)
        ++m_count;
    if (visible && m_autoHide && !m_peers.ReportLinesWaiting())
        m_peers.ShowReport(false);
}

void ReportStepAside::Return() {
    if (m_count == 1)
        m_peers.ShowReport(true);
    m_count = std::max(m_count - 1, 0);
}
