// Report lines into the fault log while there is no report window.
#include "app/ReportStandIn.h"

#include "support/FaultLog.h"
#include "support/Report.h"

#include <QTimer>

void ReportStandIn::MoveQueuedLines() {
    if (m_timer)
        m_timer->stop();
    faultlog::ShowQueuedFailures();
    for (const ReportLine& line : reportqueue::TakeAll())
        GBX_FAULT(("Param: " + line.subject + " | Msg: " + line.text).toStdString());
}
