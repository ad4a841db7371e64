#include "app/ReportWindowSlot.h"

#include "support/FaultLog.h"
#include "support/Report.h"
#include "texts/windows/TheReport.h"

#include <QApplication>
#include <QTimer>

void ReportWindowSlot::MoveQueuedLines() {
    if (m_timer)
        m_timer->stop();
    faultlog::ShowQueuedFailures();
    bool errors = false;
    for (const ReportLine& line : reportqueue::TakeAll()) {
        if (!m_report) {
            GBX_FAULT(("Param: " + line.subject + " | Msg: " + line.text).toStdString());
            continue;
        }
        m_report->AddRow(line.subject, line.text, line.time);
        errors = errors || line.isError;
    }
    // Not over a dialog, for which the report steps aside.
    if (errors && !QApplication::activeModalWidget())
        Show(true);
}

bool ReportWindowSlot::Visible() const {
    return m_report && m_report->isVisible();
}

bool ReportWindowSlot::LinesWaiting() const {
    return m_report && reportqueue::Waiting();
}

void ReportWindowSlot::Show(bool visible) {
    if (m_report)
        m_report->setVisible(visible);
}

int ReportWindowSlot::RowCount() const {
    return m_report ? m_report->RowCount() : 0;
}

int ReportWindowSlot::SelectedRowCount() const {
    return m_report ? m_report->SelectedRowCount() : 0;
}
