// Draining the report queue into the fault log; the watch, the slider, the menu trigger and the
// lane meters.
#include "app/WindowPeersStandIn.h"

#include "controls/Interior.h"
#include "controls/TheLaneStrip.h"
#include "controls/TheMenuTrigger.h"
#include "controls/TheSlider.h"
#include "controls/TheWatch.h"
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

void WindowPeersStandIn::PaintWatchDigits(bool direct) {
    if (TTheWatch* watch = m_interior ? TheWatchOf(*m_interior) : nullptr)
        watch->ShowDigits(direct);
}

void WindowPeersStandIn::UpdateLaneMeters() {
    if (TTheLaneStrip* strip = m_interior ? TheLaneStripOf(*m_interior) : nullptr)
        strip->UpdateMeters();
}

void WindowPeersStandIn::ShowFadeLoudness(long double loudness) {
    if (TTheSlider* slider = m_interior ? TheSliderOf(*m_interior) : nullptr)
        slider->ShowFadeLoudness(loudness);
}

void WindowPeersStandIn::ClearMenuTriggerHighlight() {
    TTheMenuTrigger* trigger = m_interior ? TheMenuTriggerOf(*m_interior) : nullptr;
    if (trigger && trigger->Highlighted)
        trigger->SetHighlighted(false);
}
