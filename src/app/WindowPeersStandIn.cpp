// Draining the report queue into the fault log; the carrier's button repeat.
#include "app/WindowPeersStandIn.h"

#include "controls/TheCarrier.h"
#include "support/FaultLog.h"
#include "support/Report.h"

#include <QTimer>

void WindowPeersStandIn::MoveQueuedReportLines() {
    if (m_timer)
        m_timer->stop();
    faultlog::ShowQueuedFailures();
    for (const ReportLine& line : reportqueue::TakeAll())
        GBX_FAULT(("Param: " + line.subject + " | Msg: " + line.text).toStdString());
}

void WindowPeersStandIn::RepeatCarrierButton() {
    if (m_carrier)
        m_carrier->RepeatTick();
}
