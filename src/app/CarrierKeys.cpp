// The carrier's keys.
#include "app/CarrierKeys.h"

#include "controls/TheCarrier.h"
#include "model/Arrangement.h"

#include <cmath>
#include <optional>

namespace {

constexpr ShiftState kNone{};
constexpr ShiftState kShift{true, false, false};

bool isPlayKey(int key) {
    return key == Qt::Key_Space || key == Qt::Key_MediaTogglePlayPause || key == Qt::Key_MediaPlay;
}

// The nearest flag strictly after (forward) or before the position.
std::optional<Elements> nearestFlag(const TTheFlags& flags, Elements from, bool forward) {
    std::optional<Elements> found;
    for (int i = 0; i < flags.Count(); ++i) {
        const Elements at = flags.At(i).Position;
        if (forward ? at > from && (!found || at < *found) : at < from && (!found || at > *found))
            found = at;
    }
    return found;
}

} // namespace

bool CarrierKeys::KeyDown(int key, ShiftState shift) {
    if (!m_carrier)
        return false;
    TTheCarrier& carrier = *m_carrier;
    if (key == kKeypadDivide || key == kKeypadMultiply) {
        const bool forward = key == kKeypadMultiply;
        step(forward, shift.ctrl);
        carrier.ShowDown(carrier.ButtonX(forward ? CarrierButton::Future : CarrierButton::Past));
        m_lineTick();
        return true;
    }
    if (isPlayKey(key) && shift == kNone) {
        if (carrier.Rolling() || carrier.Paused())
            carrier.PauseToggle();
        else
            carrier.RollHere(true);
        return true;
    }
    if (isPlayKey(key) && shift == kShift) {
        carrier.Roll(true, carrier.RollPosition());
        return true;
    }
    if (key == Qt::Key_Pause && shift == kNone) {
        if (carrier.Rolling() || carrier.Paused())
            carrier.PauseToggle();
        return true;
    }
    const bool enter = (key == Qt::Key_Return || key == Qt::Key_Enter) && shift == kNone;
    if (enter || key == Qt::Key_MediaStop) {
        if (enter && carrier.Settled())
            carrier.RollHere(true);
        else
            carrier.Settle();
        m_lineTick();
        return true;
    }
    return false;
}

bool CarrierKeys::KeyUp(int key) {
    if (!m_carrier || (key != kKeypadDivide && key != kKeypadMultiply))
        return false;
    m_carrier->ShowDown(-1);
    return true;
}

void CarrierKeys::step(bool forward, bool toFlag) {
    TTheCarrier& carrier = *m_carrier;
    const Elements from = carrier.LivePosition();
    Elements to = from;
    if (toFlag) {
        const std::optional<Elements> flag = nearestFlag(m_arrangement.room.Flags, from, forward);
        if (!flag)
            return;
        to = *flag;
    } else {
        const auto step = std::llround(m_arrangement.plan.ElementsPerStep());
        to = Elements{from.count + (forward ? step : -step)};
    }
    carrier.Go(true, false, to);
}
