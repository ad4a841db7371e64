// The keys that work the carrier: Space and the media play key (the roll switch), Pause, Enter
// and media stop (settle, or roll when settled), and the numeric pad's divide and multiply (the
// Past and Future buttons: a step, with Ctrl a flag).
#pragma once

#include "controls/MouseInput.h"

#include <functional>

class Arrangement;
class TTheCarrier;

// UI thread only.
class CarrierKeys {
public:
    // lineTick refreshes the line, the meters and the watch at once.
    CarrierKeys(Arrangement& arrangement, std::function<void()> lineTick)
        : m_arrangement(arrangement), m_lineTick(std::move(lineTick)) {}

    // The window's carrier, once its controls are made; none when the program has no carrier.
    void SetCarrier(TTheCarrier* carrier) { m_carrier = carrier; }

    // False when the key is not one of the carrier's.
    bool KeyDown(int key, ShiftState shift);
    bool KeyUp(int key);

private:
    // Past (back) or Future: one step from the line, or with Ctrl to the nearest flag that way.
    void step(bool forward, bool toFlag);

    Arrangement& m_arrangement;
    std::function<void()> m_lineTick;
    TTheCarrier* m_carrier = nullptr;
};
