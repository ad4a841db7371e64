// Each of the window's asks reaches the control that answers it, when the window has one.
#include "app/InteriorPeers.h"

#include "controls/Interior.h"
#include "controls/TheCarrier.h"
#include "controls/TheLaneStrip.h"
#include "controls/TheMenuTrigger.h"
#include "controls/TheSlider.h"
#include "controls/TheWatch.h"

void InteriorPeers::PaintWatchDigits(bool direct) {
    if (TTheWatch* watch = m_interior ? TheWatchOf(*m_interior) : nullptr)
        watch->ShowDigits(direct);
}

void InteriorPeers::UpdateLaneMeters() {
    if (TTheLaneStrip* strip = m_interior ? TheLaneStripOf(*m_interior) : nullptr)
        strip->UpdateMeters();
}

void InteriorPeers::RepeatCarrierButton() {
    if (TTheCarrier* carrier = m_interior ? TheCarrierOf(*m_interior) : nullptr)
        carrier->RepeatTick();
}

void InteriorPeers::ShowFadeLoudness(long double loudness) {
    if (TTheSlider* slider = m_interior ? TheSliderOf(*m_interior) : nullptr)
        slider->ShowFadeLoudness(loudness);
}

void InteriorPeers::ClearMenuTriggerHighlight() {
    TTheMenuTrigger* trigger = m_interior ? TheMenuTriggerOf(*m_interior) : nullptr;
    if (trigger && trigger->Highlighted)
        trigger->SetHighlighted(false);
}
