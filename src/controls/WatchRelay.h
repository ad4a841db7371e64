// Hands what the ruler, the room, the lane strip and the slider ask of the watch to the watch
// control, which the interior makes after the ruler and the room.
#pragma once

#include "controls/WatchLink.h"

// UI thread only. The watch attaches itself when it is made and lets go when it is destroyed;
// every call comes from a control's input handling while the watch lives, so a call without a
// watch is a fault of the wiring: it is written to the fault log and answered with "not typing,
// no painter, nothing drawn".
class WatchRelay : public WatchLink {
public:
    void Attach(WatchLink* watch) { m_watch = watch; }
    WatchLink* Attached() const { return m_watch; }

    bool Typing() const override;
    void EndTyping() override;
    const DigitPainter* CurrentPainter() const override;
    void SetPainter(DigitPainter& painter) override;
    void RestoreChosenPainter() override;
    void PaintTimeDigits(QPainter& painter, const PeekedTime& time) override;
    void ShowNumber(int value, bool negative) override;
    bool ShowsNumber() const override;
    void RepaintDigits() override;

private:
    // The attached watch; none (and a fault line naming the call) without one.
    WatchLink* watch(const char* call) const;

    WatchLink* m_watch = nullptr;
};
