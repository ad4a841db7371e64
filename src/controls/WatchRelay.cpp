// Forwarding to the attached watch.
#include "controls/WatchRelay.h"

void WatchRelay::EndTyping() {
    if (m_watch)
        m_watch->EndTyping();
}

const DigitPainter* WatchRelay::CurrentPainter() const {
    return m_watch ? m_watch->CurrentPainter() : nullptr;
}

void WatchRelay::SetPainter(DigitPainter& painter) {
    if (m_watch)
        m_watch->SetPainter(painter);
}

void WatchRelay::RestoreChosenPainter() {
    if (m_watch)
        m_watch->RestoreChosenPainter();
}

void WatchRelay::PaintTimeDigits(QPainter& painter, const PeekedTime& time) {
    if (m_watch)
        m_watch->PaintTimeDigits(painter, time);
}

void WatchRelay::ShowNumber(int value, bool negative) {
    if (m_watch)
        m_watch->ShowNumber(value, negative);
}

void WatchRelay::RepaintDigits() {
    if (m_watch)
        m_watch->RepaintDigits();
}
