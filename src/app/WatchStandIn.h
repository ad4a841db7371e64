// Stands in for the watch until it exists.
#pragma once

#include "controls/WatchLink.h"

// There is no watch yet: nothing is typed into it, it has no painter to swap and draws no
// digits or numbers. UI thread only.
class WatchStandIn : public WatchLink {
public:
    bool Typing() const override { return false; }
    void EndTyping() override {}
    const DigitPainter* CurrentPainter() const override { return nullptr; }
    void SetPainter(DigitPainter&) override {}
    void RestoreChosenPainter() override {}
    void PaintTimeDigits(QPainter&, const PeekedTime&) override {}
    void ShowNumber(int, bool) override {}
    bool ShowsNumber() const override { return false; }
    void RepaintDigits() override {}
};
