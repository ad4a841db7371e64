// The watch's bounds, pictures, painters and mode.
#include "controls/TheWatch.h"

#include "controls/ControlHost.h"
#include "controls/Interior.h"
#include "controls/LineAndPoint.h"
#include "controls/MenuLink.h"
#include "controls/WatchDigitText.h"
#include "controls/WatchGlyphs.h"
#include "controls/WatchRelay.h"
#include "controls/WatchTyper.h"
#include "model/Arrangement.h"
#include "support/FaultLog.h"

#include <QPainter>

#include <cstdlib>
#include <utility>

TTheWatch::TTheWatch(TCtrlList& list, Arrangement& arrangement, MenuLink& menus, WatchRelay* relay)
    : TCtrl(list), m_arrangement(arrangement), m_menus(menus), m_relay(relay),
      m_builtInStrip(BuiltInDigitStrip()),
      m_timePainter([this](QPainter& painter) { UpdateTimeDigits(painter); }),
      m_stepPainter([this](QPainter& painter) { UpdateFrameDigits(painter); }),
      m_numberPainter([this](QPainter& painter) { DrawText(painter, m_number); }),
      m_lastDigits(kWatchPlaces, QChar(kWatchBlank)),
      m_typer(std::make_unique<TWatchTyper>(*this)) {
    if (!List.Interior)
        m_ownStates = std::make_unique<WatchState>();
    m_current = &chosenPainter();
    if (m_relay)
        m_relay->Attach(this);
}

TTheWatch::~TTheWatch() {
    if (m_relay && m_relay->Attached() == this)
        m_relay->Attach(nullptr);
}

WatchState& TTheWatch::States() {
    return m_ownStates ? *m_ownStates : List.Interior->WatchStates;
}

const QImage& TTheWatch::DigitStrip() const {
    if (List.Interior) {
        const QImage& styled = List.Interior->Bitmaps().Image(QStringLiteral("Watch_Digits.bmp"));
        if (!styled.isNull())
            return styled;
    }
    return m_builtInStrip;
}

bool TTheWatch::StepMode() {
    return States().secondMode;
}

DigitPainter& TTheWatch::chosenPainter() {
    return StepMode() ? static_cast<DigitPainter&>(m_stepPainter) : m_timePainter;
}

void TTheWatch::SwitchMode() {
    DigitPainter* before = &chosenPainter();
    States().secondMode = !States().secondMode;
    if (m_current == before)
        m_current = &chosenPainter();
    ShowDigits(!m_arrangement.audio.Playing());
}

void TTheWatch::paintBackground(QPainter& painter) {
    const QPoint topLeft(BoundsRect.Left, BoundsRect.Top);
    const QImage* styled =
        List.Interior ? &List.Interior->Bitmaps().Image(QStringLiteral("Watch.bmp")) : nullptr;
    if (styled && !styled->isNull())
        painter.drawImage(topLeft, *styled);
    else
        DrawBuiltInWatchBackground(painter, topLeft);
    if (Dimmed)
        List.Surfaces.DimBlend(painter, BoundsRect.ToQRect());
}

void TTheWatch::PaintDigits(bool full) {
    QImage& composition = List.Surfaces.CompositionBitmap;
    if (composition.isNull() || !Visible)
        return;
    QPainter painter(&composition);
    paintBackground(painter);
    m_full = full;
    if (m_current)
        m_current->PaintDigits(painter);
}

void TTheWatch::ShowDigits(bool full) {
    PaintDigits(full);
    Present();
}

void TTheWatch::DrawText(QPainter& painter, const QString& text) {
    DrawWatchText(painter, DigitStrip(), QPoint(BoundsRect.Left, BoundsRect.Top), text,
                  Dimmed ? &List.Surfaces : nullptr);
}

namespace {

Elements linePosition(const TCtrlList& list) {
    const auto* line =
        list.Interior ? dynamic_cast<const LineAndPoint*>(list.Interior->Room) : nullptr;
    return line ? line->LinePosition() : Elements{};
}

} // namespace

QString TTheWatch::CopiedText() {
    if (m_typer->Active())
        return m_typer->Range().timeEntry ? WatchTimeText(TimeOfTypedDigits(m_typer->Value()))
                                          : QString::number(m_typer->Value());
    const Elements position = linePosition(List);
    if (StepMode())
        return QString::number(StepOfPosition(position, m_arrangement.plan.ElementsPerStep()));
    return WatchTimeText(MillisecondsOfPosition(position, m_arrangement.plan.ElementRate.Value()));
}

void TTheWatch::drawDigitsOf(QPainter& painter, const char* operation,
                             const std::function<QString()>& digits) {
    try {
        m_lastDigits = digits();
    } catch (const std::exception& e) {
        GBX_FAULT_CAUGHT(operation, e);
    }
    DrawText(painter, m_lastDigits);
}

void TTheWatch::UpdateTimeDigits(QPainter& painter) {
    drawDigitsOf(painter, "TheWatch.UpdateTimeDigits", [this] {
        return TimeDigitText(
            MillisecondsOfPosition(linePosition(List), m_arrangement.plan.ElementRate.Value()),
            m_full);
    });
}

void TTheWatch::UpdateFrameDigits(QPainter& painter) {
    drawDigitsOf(painter, "TheWatch.UpdateFrameDigits", [this] {
        return StepDigitText(linePosition(List), m_arrangement.plan.ElementsPerStep());
    });
}

bool TTheWatch::TypingView() const {
    return m_typer->TypingView();
}

bool TTheWatch::Typing() const {
    return m_typer->Active();
}

void TTheWatch::EndTyping() {
    m_typer->End(false);
}

void TTheWatch::SetPainter(DigitPainter& painter) {
    // Hovering the ruler or the slider does not take the digits from a value being typed.
    if (TypingView() && &painter != m_typer.get())
        return;
    m_current = &painter;
    ShowDigits(!m_arrangement.audio.Playing());
}

void TTheWatch::RestoreChosenPainter() {
    // While typing (or flashing its end) the typer's digits are the chosen ones.
    m_current =
        m_typer->TypingView() ? static_cast<DigitPainter*>(m_typer.get()) : &chosenPainter();
    ShowDigits(!m_arrangement.audio.Playing());
}

void TTheWatch::PaintTimeDigits(QPainter& painter, const PeekedTime& time) {
    DrawText(painter,
             TimeDigitText(time.minutes, time.seconds, time.milliseconds, time.negative, m_full));
}

void TTheWatch::ShowNumber(int value, bool negative) {
    m_number = WatchPadded(QString::number(std::abs(int64_t{value})), kWatchPlaces);
    if (negative)
        m_number[0] = QChar(kWatchMinus);
    SetPainter(m_numberPainter);
}

void TTheWatch::RepaintDigits() {
    ShowDigits(!m_arrangement.audio.Playing());
}

void TTheWatch::Paint() {
    PaintDigits(!m_arrangement.audio.Playing());
}

void TTheWatch::Resize() {
    const TLayoutRect& layout = List.Host.LayoutRect();
    const TThePeakMeter* meter = List.Interior ? List.Interior->MeterL.get() : nullptr;
    const int32_t left = layout.Left + (meter ? meter->Width : 0);
    BoundsRect = {left, layout.Bottom - kWatchHeight, left + kWatchWidth, layout.Bottom};
    TCtrl::Resize();
}

void TTheWatch::MouseDown(MouseButton button, int32_t x, int32_t y, ShiftState shift) {
    TCtrl::MouseDown(button, x, y, shift);
    m_pressed = button;
    if (button == MouseButton::Left)
        m_typer->Click();
}

void TTheWatch::MouseUp(int32_t x, int32_t y) {
    TCtrl::MouseUp(x, y);
    if (std::exchange(m_pressed, MouseButton::None) == MouseButton::Right)
        m_menus.OpenWatchMenu(QPoint(x, y));
}

TTheWatch* TheWatchOf(const TTheInterior& interior) {
    return dynamic_cast<TTheWatch*>(interior.Watch);
}

void AddWatch(ControlMakers& makers, Arrangement& arrangement, MenuLink& menus, WatchRelay& relay) {
    makers.watch = [&arrangement, &menus, &relay](TCtrlList& list) -> TCtrl& {
        return list.Create<TTheWatch>(arrangement, menus, &relay);
    };
}
