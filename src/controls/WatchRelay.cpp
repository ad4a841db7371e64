// Forwarding to the attached watch.
#include "controls/WatchRelay.h"

#include "support/FaultLog.h"

#include <string>

WatchLink* WatchRelay::watch(const char* call) const {
    if (!m_watch)
        GBX_FAULT(std::string("WatchRelay.") + call + " was called without a watch");
    return m_watch;
}

bool WatchRelay::Typing() const {
    const WatchLink* attached = watch("Typing");
    return attached && attached->Typing();
}

void WatchRelay::EndTyping() {
    if (WatchLink* attached = watch("EndTyping"))
        attached->EndTyping();
}

const DigitPainter* WatchRelay::CurrentPainter() const {
    const WatchLink* attached = watch("CurrentPainter");
    return attached ? attached->CurrentPainter() : nullptr;
}

void WatchRelay::SetPainter(DigitPainter& painter) {
    if (WatchLink* attached = watch("SetPainter"))
        attached->SetPainter(painter);
}

void WatchRelay::RestoreChosenPainter() {
    if (WatchLink* attached = watch("RestoreChosenPainter"))
        attached->RestoreChosenPainter();
}

void WatchRelay::PaintTimeDigits(QPainter& painter, const PeekedTime& time) {
    if (WatchLink* attached = watch("PaintTimeDigits"))
        attached->PaintTimeDigits(painter, time);
}

void WatchRelay::ShowNumber(int value, bool negative) {
    if (WatchLink* attached = watch("ShowNumber"))
        attached->ShowNumber(value, negative);
}

bool WatchRelay::ShowsNumber() const {
    const WatchLink* attached = watch("ShowsNumber");
    return attached && attached->ShowsNumber();
}

void WatchRelay::RepaintDigits() {
    if (WatchLink* attached = watch("RepaintDigits"))
        attached->RepaintDigits();
}
