// The carrier's transport: rolling, pausing, resuming, settling and moving the line.
#include "controls/TheCarrier.h"

#include "controls/CarrierLink.h"
#include "controls/ControlHost.h"
#include "controls/Interior.h"
#include "controls/TheRoom.h"
#include "model/Arrangement.h"
#include "support/FaultLog.h"
#include "support/SettingKeys.h"

#include <cmath>

CarrierSettings CarrierSettings::FromStore(const TWideCustomIniFile& settings) {
    return {ReadSettingInt(settings, Setting("Carrier", "SettleTo")),
            ReadSettingInt(settings, Setting("Carrier", "RollFrom")),
            ReadSettingBool(settings, Setting("Carrier", "SettleToLastRoll"))};
}

TTheCarrier::TTheCarrier(TCtrlList& list, Arrangement& arrangement, CarrierLink& link,
                         MenuLink& menus, const CarrierSettings& settings)
    : TCtrl(list), SettleTo(settings.settleTo), RollFrom(settings.rollFrom),
      SettleToLastRoll(settings.settleToLastRoll), m_arrangement(arrangement), m_link(link),
      m_menus(menus) {}

TTheCarrier* TheCarrierOf(const TTheInterior& interior) {
    return dynamic_cast<TTheCarrier*>(interior.Carrier);
}

TTheRoom* TTheCarrier::room() const {
    return List.Interior ? TheRoomOf(*List.Interior) : nullptr;
}

Elements TTheCarrier::MarkPosition(int kind) const {
    switch (static_cast<CarrierMark>(kind)) {
    case CarrierMark::Start:
        return m_arrangement.plan.Start;
    case CarrierMark::Point:
        return Elements{
            std::llround(m_arrangement.room.Point.X * m_arrangement.plan.ElementsPerStep())};
    case CarrierMark::LastRoll:
        return m_lastRoll;
    case CarrierMark::Beginning:
        break;
    }
    return Elements{0};
}

Elements TTheCarrier::LinePosition() const {
    TTheRoom* r = room();
    return r ? r->Line().Position() : Elements{};
}

Elements TTheCarrier::LivePosition() const {
    TTheRoom* r = room();
    if (!r)
        return Elements{};
    return m_rolling && m_link.HasStream() ? r->Line().ReadPositionLocked() : r->Line().Position();
}

void TTheCarrier::MoveLine(Elements position) {
    if (TTheRoom* r = room()) {
        r->Line().SetHighestPosition(position);
        r->Line().SetPosition(position, true);
    }
}

void TTheCarrier::Roll(bool remember, Elements position) {
    if (remember)
        m_lastRoll = position;
    MoveLine(position);
    // Paused or not: whatever the old stream armed is silenced before it goes.
    if (m_link.HasStream())
        Stop();
    m_link.RollMix(position);
    if (m_link.HasStream() && m_link.LastPlaySucceeded()) {
        startRolling();
        m_settled = false;
    } else {
        ResetMasterMeters();
        m_link.ShowPausedProgress();
    }
    m_paused = false;
    Paint();
}

void TTheCarrier::RollHere(bool remember) {
    Roll(remember, LivePosition());
}

void TTheCarrier::PauseToggle() {
    if (m_rolling && m_link.HasStream()) {
        // A refused pause is reported by the link; the carrier records the pause all the same.
        pauseMix();
        stopRolling();
        m_link.ShowPausedProgress();
        m_pausedAt = LinePosition();
        ResetMasterMeters();
        repaintLinesAndWatch();
    } else if (m_paused && LinePosition() == m_pausedAt && !m_link.SilentOutput() &&
               m_link.HasStream()) {
        // Only a paused mix plays on: a settled one was stopped with its balls silenced.
        if (resumeMix())
            startRolling();
    } else {
        RollHere(false);
    }
    m_paused = m_link.LastPlaySucceeded() && !m_rolling;
    Paint();
}

void TTheCarrier::pauseMix() {
    MixerLock lock(m_arrangement.audio);
    m_link.PauseMix();
}

bool TTheCarrier::resumeMix() {
    MixerLock lock(m_arrangement.audio);
    return m_link.ResumeMix();
}

void TTheCarrier::Settle() {
    if (m_settled)
        return;
    const Elements target = SettleToLastRoll ? m_lastRoll : SettlePosition();
    if (m_link.HasStream())
        Stop();
    m_link.ClearProgress();
    m_paused = false;
    m_settled = true;
    ResetMasterMeters();
    MoveLine(target);
    repaintLinesAndWatch();
    Paint();
}

void TTheCarrier::Ended() {
    stopRolling();
    m_paused = true;
    // The stream goes with everything armed in it silenced first, or its channels and syncs
    // would outlive it.
    m_link.ReleaseMix();
    ResetMasterMeters();
    m_link.ShowPausedProgress();
    repaintLinesAndWatch();
    Paint();
}

void TTheCarrier::Stop() {
    stopRolling();
    m_link.StopMix();
}

void TTheCarrier::Go(bool scroll, bool remember, Elements position) {
    try {
        if (m_rolling) {
            Roll(remember, position);
        } else {
            MoveLine(position);
            m_link.ShowPausedProgress();
        }
        scrollTo(position, scroll);
    } catch (const std::exception& e) {
        GBX_FAULT_CAUGHT("TTheCarrier.Go", e);
    }
}

void TTheCarrier::scrollTo(Elements position, bool scroll) {
    TTheRoom* r = room();
    if (!r)
        return;
    const int32_t offset = r->OffsetToShow(position);
    if (offset != m_arrangement.room.OffsetX) {
        r->AutoScroll().StopAutoScroll();
        r->SetOffsetX(offset);
    } else if (scroll) {
        r->Line().Repaint();
    }
}

void TTheCarrier::startRolling() {
    m_rolling = true;
    m_link.RunRollTimers(true);
    if (TTheRoom* r = room()) {
        TAutoScroll& scroll = r->AutoScroll();
        if (!scroll.ScrollTimer.isActive())
            scroll.Rearm();
    }
}

void TTheCarrier::stopRolling() {
    m_rolling = false;
    m_link.RunRollTimers(false);
    if (TTheRoom* r = room()) {
        TAutoScroll& scroll = r->AutoScroll();
        scroll.DelayTimer.stop();
        if (!scroll.Rewinding)
            scroll.ScrollTimer.stop();
    }
}

void TTheCarrier::repaintLinesAndWatch() {
    if (List.Interior && List.Interior->Lanes) {
        List.Interior->Lanes->Paint();
        List.Interior->Lanes->Present();
    }
    if (TTheRoom* r = room())
        r->PaintLine();
    m_link.PaintWatch();
}

void TTheCarrier::ResetMasterMeters() {
    TTheInterior* in = List.Interior;
    if (!in)
        return;
    const MeterScene scene{List.Surfaces,           List.Host, List.Host.LayoutRect(),
                           in->Style().MasterMeter, m_rolling, m_link.LastPlaySucceeded()};
    for (TThePeakMeter* meter : {in->MeterL.get(), in->MeterR.get()})
        if (meter)
            meter->SetLevel(TThePeakMeter::kNoLevel, scene);
}
