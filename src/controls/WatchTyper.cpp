// Typing, keys, the slider scale, the end with its flash, and the tapped tempo.
#include "controls/WatchTyper.h"

#include "controls/ControlHost.h"
#include "controls/DrawingSurfaces.h"
#include "controls/Interior.h"
#include "controls/TheLaneStrip.h"
#include "controls/TheSlider.h"
#include "controls/TheWatch.h"
#include "controls/WatchDigitText.h"
#include "controls/WatchGlyphs.h"
#include "model/Arrangement.h"
#include "support/Formula.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// Rounded and held in 32 bits; 0 for what is not a number.
int32_t clampedInt32(long double value) {
    const long double rounded = std::nearbyint(value);
    if (std::isnan(rounded))
        return 0;
    return static_cast<int32_t>(std::clamp<long double>(rounded, INT32_MIN, INT32_MAX));
}

} // namespace

TWatchTyper::TWatchTyper(TTheWatch& watch) : m_watch(watch) {
    m_flashTimer.setInterval(kFlashInterval);
    QObject::connect(&m_caretTimer, &QTimer::timeout, [this] { BlinkCaret(); });
    QObject::connect(&m_flashTimer, &QTimer::timeout, [this] { FlashTick(); });
}

bool TWatchTyper::Start(const TyperStart& start) {
    if (m_active)
        return false;
    // A lane's value dragged with the slider ends first: the typer takes the slider over.
    if (TTheLaneStrip* lanes =
            m_watch.List.Interior ? TheLaneStripOf(*m_watch.List.Interior) : nullptr)
        lanes->EndEditing();
    const bool repeated = m_flashing;
    m_flashTimer.stop();
    m_flashing = false;
    m_start = start;
    m_last = start;
    if (start.intTarget)
        m_previousText = start.intTarget->Text();
    else if (start.extTarget)
        m_previousText = start.extTarget->Text();
    if (!start.previousText.empty())
        m_previousText = start.previousText;

    int32_t value = start.value;
    if (start.intTarget)
        value = start.intTarget->Value();
    else if (start.extTarget)
        value = clampedInt32(start.extTarget->Value() * 100);
    if (start.noneValue && value == *start.noneValue)
        value = start.value;
    show(value);
    m_startValue = m_value;
    m_caret = 1;
    m_replaceOnFirstKey = true;
    m_active = true;
    if (tapsTempo())
        m_tap.Clear();

    if (repeated)
        m_watch.List.Host.RelayoutAndRepaint(false);
    else
        dimOthers();
    m_caretTimer.stop();
    m_caretShown = true;
    m_watch.SetPainter(*this);
    bindSlider();
    const int blink = QApplication::cursorFlashTime() / 2;
    if (blink > 0) {
        m_caretTimer.setInterval(blink);
        m_caretTimer.start();
    }
    return true;
}

void TWatchTyper::PieceGoes(const TPiece& piece) {
    // The targets are values of a piece, so they lie inside it.
    const auto typesIn = [&piece](const TyperStart& start) {
        const std::less<const void*> before;
        const auto* first = reinterpret_cast<const unsigned char*>(&piece);
        const void* last = first + sizeof(TPiece);
        for (const void* target :
             {static_cast<const void*>(start.intTarget), static_cast<const void*>(start.extTarget)})
            if (target && !before(target, first) && before(target, last))
                return true;
        return false;
    };
    if (m_active && typesIn(m_start))
        End(false);
    if (m_last && typesIn(*m_last))
        m_last.reset();
}

bool TWatchTyper::StartAgain() {
    if (!m_last || m_active)
        return false;
    if (m_last->restoreView)
        m_last->restoreView();
    return Start(TyperStart(*m_last));
}

void TWatchTyper::show(int32_t value) {
    m_value = std::clamp(value, kLeastShown, kMostShown);
    m_negative = m_value < 0;
    m_text = WatchPadded(QString::number(std::abs(m_value)), m_digits);
}

void TWatchTyper::recompute() {
    QString digits = m_text;
    digits.remove(QChar(kWatchBlank));
    const int64_t magnitude = digits.isEmpty() ? 0 : digits.toLongLong();
    m_value = static_cast<int32_t>(m_negative ? -magnitude : magnitude);
}

void TWatchTyper::changed(bool fromSlider) {
    repaint();
    if (m_slider && !fromSlider)
        m_slider->SetPositionClamped(SliderPosition(), false);
    if (m_start.changed)
        m_start.changed(m_value);
}

void TWatchTyper::typeDigit(int digit) {
    if (m_replaceOnFirstKey) {
        m_text = QString(m_digits, QChar(kWatchBlank));
        m_caret = 1;
    }
    m_caret = std::max(m_caret, firstPlace());
    m_text[m_caret - 1] = QChar(u'0' + digit);
    recompute();
    ++m_caret;
    if (m_caret > m_digits) {
        if (m_start.changed)
            m_start.changed(m_value);
        End(true);
        return;
    }
    changed();
}

void TWatchTyper::step(int direction) {
    const int32_t value = std::clamp(StepTypedValue(m_value, direction, m_caret, m_start.range),
                                     kLeastShown, kMostShown);
    if (value == m_value)
        return;
    show(value);
    changed();
}

void TWatchTyper::removeBeforeCaret() {
    if (m_caret <= firstPlace())
        return;
    // The digits shift right by the blank in front, so the caret stays after the last of them.
    m_text.remove(m_caret - 2, 1);
    m_text.prepend(QChar(kWatchBlank));
    recompute();
    changed();
}

void TWatchTyper::flipSign() {
    if (m_start.range.min >= 0)
        return;
    const bool firstTaken = m_text.at(0) != QChar(kWatchBlank);
    if (!m_negative && firstTaken) {
        // The minus needs place 1: the digits move over, or seven of them are too many.
        if (m_text.at(m_digits - 1) != QChar(kWatchBlank)) {
            show(std::max(-m_value, kLeastShown));
            changed();
            return;
        }
        m_text.chop(1);
        m_text.prepend(QChar(kWatchBlank));
        m_caret = std::min(m_caret + 1, m_digits);
    }
    m_negative = !m_negative;
    m_value = -m_value;
    changed();
}

bool TWatchTyper::KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (!m_active)
        return false;
    const bool digit = key >= Qt::Key_0 && key <= Qt::Key_9;
    // Layouts such as AZERTY give the digits of the top row with Shift.
    const Qt::KeyboardModifiers ignored =
        digit ? Qt::KeypadModifier | Qt::ShiftModifier : Qt::KeypadModifier;
    if ((modifiers & ~ignored) != Qt::NoModifier)
        return false;
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (digit)
        typeDigit(key - Qt::Key_0);
    else if (key == Qt::Key_Up || (keypad && key == Qt::Key_Plus))
        step(+1);
    else if (key == Qt::Key_Down || (keypad && key == Qt::Key_Minus))
        step(-1);
    else if (key == Qt::Key_Left || key == Qt::Key_Right) {
        m_caret = std::clamp(m_caret + (key == Qt::Key_Left ? -1 : 1), firstPlace(), m_digits);
        repaint();
    } else if (key == Qt::Key_Delete)
        removeBeforeCaret();
    else if (key == Qt::Key_Return || key == Qt::Key_Enter)
        End(true);
    else if (key == Qt::Key_Escape)
        End(false);
    else if (key == Qt::Key_Minus)
        flipSign();
    else
        return false;
    m_replaceOnFirstKey = false;
    return true;
}

int TWatchTyper::SliderPosition() const {
    return SliderPositionOf(m_value, m_start.range);
}

void TWatchTyper::SliderMoved(int position) {
    if (!m_active)
        return;
    show(ValueAtSlider(position, m_start.range));
    m_caret = m_digits;
    m_replaceOnFirstKey = false;
    changed(true);
}

void TWatchTyper::SetValue(int32_t value) {
    if (!m_active)
        return;
    show(value);
    m_caret = m_digits;
    m_replaceOnFirstKey = false;
    changed();
}

bool TWatchTyper::Paste(const QString& text) {
    QString digits;
    for (QChar c : text)
        if (c == u'-' || c.isDigit())
            digits += c;
    bool ok = false;
    const int32_t value = digits.toInt(&ok);
    if (!ok || !m_active)
        return false;
    SetValue(value);
    return true;
}

int32_t TWatchTyper::StartTextValue() const {
    if (!m_start.intTarget && !m_start.extTarget)
        return m_startValue;
    const FormulaResult result = EvaluateFormula(m_previousText);
    const long double value = m_start.extTarget ? result.value * 100 : result.value;
    return result.ok ? clampedInt32(value) : m_startValue;
}

bool TWatchTyper::tapsTempo() const {
    return m_start.intTarget == &m_watch.Model().plan.MPH;
}

void TWatchTyper::Click() {
    if (!m_active)
        return;
    if (!tapsTempo()) {
        End(true);
        return;
    }
    const std::optional<int32_t> tempo =
        m_tap.Click(m_clock(), m_start.range.min, m_start.range.max);
    if (!tempo)
        return;
    show(*tempo);
    m_caret = m_digits;
    m_replaceOnFirstKey = false;
    changed();
}

bool TWatchTyper::writeTarget() {
    TFormula* target = m_start.intTarget;
    std::string text = std::to_string(m_value);
    if (!target && m_start.extTarget) {
        target = m_start.extTarget;
        text += "/100";
    }
    if (!target || text == target->Text())
        return false;
    const std::string before = target->Text();
    target->SetText(text);
    // A value of 1 or more that a typed 0 would leave at 0 keeps its text instead.
    const bool zero =
        m_start.intTarget ? m_start.intTarget->Value() == 0 : m_start.extTarget->Value() == 0;
    if (zero && m_start.range.min >= 1)
        target->SetText(m_previousText);
    return target->Text() != before;
}

void TWatchTyper::End(bool commit) {
    if (!m_active)
        return;
    m_active = false;
    m_flash = commit ? FlashState::Committed : FlashState::Cancelled;
    if (commit) {
        const TypedRange& range = m_start.range;
        if (!m_watch.States().allowOutOfRange && (m_value < range.min || m_value > range.max)) {
            show(std::clamp(m_value, range.min, range.max));
            m_flash = FlashState::Clamped;
        }
        if (writeTarget() && m_start.commandId > 0)
            m_watch.Model().plan.SetModified(m_start.commandId, true);
        if (m_start.complete) {
            m_start.complete(m_value);
            if (m_flash == FlashState::Committed)
                m_flash = FlashState::Applied;
        }
    } else if (m_start.cancelled) {
        m_start.cancelled();
    }
    m_caretTimer.stop();
    unbindSlider();
    if (!m_start.flash) {
        endTypingView();
        return;
    }
    m_flashing = true;
    m_flashTicks = 0;
    repaint();
    m_flashTimer.start();
}

void TWatchTyper::FlashTick() {
    if (!m_flashing)
        return;
    if (++m_flashTicks < kFlashRepaints) {
        repaint();
        return;
    }
    m_flashTimer.stop();
    endTypingView();
}

void TWatchTyper::endTypingView() {
    m_flashing = false;
    m_watch.RestoreChosenPainter();
    m_watch.List.Host.AnimateDim(false);
}

void TWatchTyper::bindSlider() {
    m_slider = m_watch.List.Interior ? TheSliderOf(*m_watch.List.Interior) : nullptr;
    if (!m_slider)
        return;
    m_sliderPosition = m_slider->Position();
    m_sliderChange = std::move(m_slider->OnChange);
    m_sliderWheel = std::move(m_slider->OnWheel);
    m_slider->SetPositionClamped(SliderPosition(), false);
    m_slider->OnChange = [this] { SliderMoved(m_slider->Position()); };
    m_slider->OnWheel = [this](long double loudnessStep) {
        step(loudnessStep > 0 ? +1 : -1);
        m_replaceOnFirstKey = false;
    };
}

void TWatchTyper::unbindSlider() {
    if (!m_slider)
        return;
    m_slider->OnChange = std::move(m_sliderChange);
    m_slider->OnWheel = std::move(m_sliderWheel);
    m_slider->SetPositionClamped(m_sliderPosition, false);
    m_slider = nullptr;
}

void TWatchTyper::dimOthers() {
    TCtrlList& controls = m_watch.List;
    const TTheInterior* interior = controls.Interior;
    for (int i = 0; i < controls.Count(); ++i) {
        TCtrl& control = controls.Items(i);
        const bool lit = interior ? interior->StaysLitWhileTyping(control) : &control == &m_watch;
        if (!lit)
            control.Dimmed = true;
    }
    controls.Host.AnimateDim(true);
}

void TWatchTyper::StopTimers() {
    m_caretTimer.stop();
    m_flashTimer.stop();
}

void TWatchTyper::BlinkCaret() {
    m_caretShown = !m_caretShown;
    repaint();
}

void TWatchTyper::repaint() {
    if (m_watch.CurrentPainter() == this)
        m_watch.ShowDigits(true);
}

void TWatchTyper::PaintDigits(QPainter& painter) {
    // The flash shows its word on every other repaint, starting with the word.
    if (m_flashing && m_flashTicks % 2 == 0) {
        m_watch.DrawText(painter, QString(kWatchPlaces, QChar(kWatchBlank)));
        DrawFlashPattern(painter, QPoint(m_watch.BoundsRect.Left, m_watch.BoundsRect.Top), m_flash);
        return;
    }
    QString shown = m_text;
    if (m_negative && shown.at(0) == QChar(kWatchBlank))
        shown[0] = QChar(kWatchMinus);
    m_watch.DrawText(painter, shown);
    if (m_active && m_caretShown) {
        const QPoint place = QPoint(m_watch.BoundsRect.Left, m_watch.BoundsRect.Top) +
                             WatchPlace(m_caret) + QPoint(0, kGlyphHeight + 1);
        painter.fillRect(QRect(place, QSize(kGlyphWidth, 2)), ToQColor(kWatchDigitColour));
    }
}
