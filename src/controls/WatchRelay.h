// Hands what the ruler and the room ask of the watch to the watch control, which the interior
// makes after them.
#pragma once

#include "controls/WatchLink.h"

// UI thread only. Without a watch attached (a window made without one) nothing is typed, no
// painter is current and no digits are drawn: the right answers for a window that has no watch.
class WatchRelay : public WatchLink {
public:
    void Attach(WatchLink* watch) { m_watch = watch; }
    WatchLink* Attached() const { return m_watch; }

    bool Typing() const override { return m_watch && m_watch->Typing(); }
    void EndTyping() override;
    const DigitPainter* CurrentPainter() const override;
    void SetPainter(DigitPainter& painter) override;
    void RestoreChosenPainter() override;
    void PaintTimeDigits(QPainter& painter, const PeekedTime& time) override;
    void ShowNumber(int value, bool negative) override;
    bool ShowsNumber() const override { return m_watch && m_watch->ShowsNumber(); }
    void RepaintDigits() override;

private:
    WatchLink* m_watch = nullptr;
};
