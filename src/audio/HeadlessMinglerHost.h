// The mingler's host in a run without a window: a mix pulled in decode mode by tests and
// benchmarks, or played by a script.
#pragma once

#include "audio/MinglerHost.h"

// No carrier, no line, no fade and no task bar: nothing rolls by itself and nothing is shown, so
// every answer is "no" and every notice is dropped. Any thread.
class HeadlessMinglerHost : public MinglerHost {
public:
    bool CarrierRolls() const override { return false; }
    bool CarrierSettling() const override { return false; }
    Elements LinePosition() const override { return {}; }
    void StopCarrier() override {}
    void RollCarrierFrom(Elements) override {}
    void CarrierJumpTo(Elements) override {}
    void RepaintRoom() override {}
    void StreamEnded() override {}
    bool FadeInPending() const override { return false; }
    void StartFadeIn() override {}
    bool FadeRunning() const override { return false; }
    long double FadeLevel() const override { return 0; }
    bool Closing() const override { return false; }
    void LineWrapped(Elements) override {}
    void LineBaseReset(Elements) override {}
    void RangeEndHeard() override {}
};
