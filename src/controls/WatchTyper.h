// The watch's typer: a value for a setting or a plan value typed digit by digit into the watch,
// with the keys, the slider as a coarse input, the caret, the flash at the end, and a tempo
// tapped on the watch while the plan's tempo is typed.
#pragma once

#include "controls/FlashPatterns.h"
#include "controls/TempoTap.h"
#include "controls/TypedValue.h"
#include "controls/WatchLink.h"

#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class TFormulaExt;
class TFormulaInt;
class TPiece;
class TTheSlider;
class TTheWatch;

// What a command starts the typer with.
struct TyperStart {
    // The formula value typed, if any: an integer one as it is, an extended one x 100 (written
    // back as digits + "/100").
    TFormulaInt* intTarget = nullptr;
    TFormulaExt* extTarget = nullptr;
    // The command that started it; the plan records it as the change when a target changes.
    int32_t commandId = 0;
    // The text a target gets back when the typed value would make a value of 1 or more 0; empty:
    // the target's text at the start.
    std::string previousText;
    TypedRange range;
    // Shown when there is no target, or when the target's (scaled) value is noneValue.
    int32_t value = 0;
    std::optional<int32_t> noneValue;
    // Every change of the typed value.
    std::function<void(int32_t)> changed;
    // The value was committed (after the target was written); empty: the commands' default
    // completion, which needs nothing here.
    std::function<void(int32_t)> complete;
    // Typing ended without applying.
    std::function<void()> cancelled;
    // Puts back what the entry was offered with (the lanes' zoom, the current ball) before the
    // same entry is offered again.
    std::function<void()> restoreView;
    // The end flashes what happened; entries whose effect shows at once (the tempo, the every-lane
    // amendment) end without it.
    bool flash = true;
};

// Owned by the watch. UI thread only.
class TWatchTyper : public DigitPainter {
public:
    explicit TWatchTyper(TTheWatch& watch);

    static constexpr int kFlashInterval = 100; // ms
    static constexpr int kFlashRepaints = 8;
    // What the seven places can show: seven digits, or a minus and six. Every value the typer
    // takes is held to this, so the digits shown are always the whole value.
    static constexpr int32_t kMostShown = 9999999;
    static constexpr int32_t kLeastShown = -999999;

    // Takes over the watch and the slider, dims the controls that do not take part (all but the
    // watch, the carrier and the slider) and starts the caret; false while a value is being
    // typed already. A start while the last one still flashes keeps the dimmed view.
    bool Start(const TyperStart& start);
    // The last entry offered again.
    bool StartAgain();
    const std::optional<TyperStart>& LastParameters() const { return m_last; }
    // The entry is not offered again (the plan was replaced).
    void ForgetLastParameters() { m_last.reset(); }
    // A lane's or a ball's piece is about to go: an entry that types one of its values ends
    // unapplied and is not offered again.
    void PieceGoes(const TPiece& piece);
    // Committing holds the value in its range (unless out-of-range entry is allowed), writes the
    // target's text from the held, signed value and tells the plan; then the watch flashes what
    // happened unless the start asked for none.
    void End(bool commit);

    bool Active() const { return m_active; }
    // The end's flash is still shown (the other controls stay dimmed).
    bool Flashing() const { return m_flashing; }
    // Typing or its flash: the other controls are dimmed for it.
    bool TypingView() const { return m_active || m_flashing; }
    FlashState Flash() const { return m_flash; }

    // A key without modifiers (the numeric pad counts as none, and Shift for a digit, which some
    // layouts need); true when the typer took it.
    bool KeyDown(int key, Qt::KeyboardModifiers modifiers);
    // A click on the watch: a tapped tempo while the plan's tempo is typed, else the end.
    void Click();
    // The slider was moved to a position.
    void SliderMoved(int position);
    // A value from outside (a command, the clipboard): shown, the caret at the end.
    void SetValue(int32_t value);
    // A pasted text: every character but "-" and the digits goes (so a time text gives its
    // digits); false when what is left is no integer.
    bool Paste(const QString& text);
    // The value shown when typing started, and the value of the target's text then.
    int32_t StartValue() const { return m_startValue; }
    int32_t StartTextValue() const;

    const QString& Text() const { return m_text; }
    int Caret() const { return m_caret; }
    int32_t Value() const { return m_value; }
    bool Negative() const { return m_negative; }
    const TypedRange& Range() const { return m_start.range; }
    int32_t CommandId() const { return m_start.commandId; }
    // The slider position that shows the typed value.
    int SliderPosition() const;

    // The tap measurement reads this clock (replaceable for tests).
    void SetClock(std::function<TempoTap::Clock::time_point()> clock) {
        m_clock = std::move(clock);
    }

    // Closing: the caret and the flash stop.
    void StopTimers();
    // The timers' work.
    void BlinkCaret();
    void FlashTick();
    QTimer& CaretTimer() { return m_caretTimer; }
    QTimer& FlashTimer() { return m_flashTimer; }

    // The typed digits, the caret, or the flash.
    void PaintDigits(QPainter& painter) override;

private:
    // Shows the value held to the places, right-aligned.
    void show(int32_t value);
    // A negative value keeps place 1 for its minus.
    int firstPlace() const { return m_negative ? 2 : 1; }
    void recompute();
    void typeDigit(int digit);
    void step(int direction);
    // Delete: the digit before the caret goes and a blank comes in at the front.
    void removeBeforeCaret();
    void flipSign();
    // Repaints, moves the slider along (unless it moved itself) and tells the start's changed
    // handler.
    void changed(bool fromSlider = false);
    // The slider shows the typed value and its moves and steps come here; unbinding gives it
    // back its own position and handlers.
    void bindSlider();
    void unbindSlider();
    bool tapsTempo() const;
    bool writeTarget();
    void dimOthers();
    void endTypingView();
    void repaint();

    TTheWatch& m_watch;
    TyperStart m_start;
    std::optional<TyperStart> m_last;
    std::string m_previousText;
    bool m_active = false;
    QString m_text;
    int m_digits = 7;
    int m_caret = 1;
    int32_t m_value = 0;
    int32_t m_startValue = 0;
    bool m_negative = false;
    bool m_replaceOnFirstKey = false;
    bool m_caretShown = true;
    bool m_flashing = false;
    int m_flashTicks = 0;
    FlashState m_flash = FlashState::Committed;
    TempoTap m_tap;
    std::function<TempoTap::Clock::time_point()> m_clock = [] { return TempoTap::Clock::now(); };
    // The slider while bound, with what it had before.
    TTheSlider* m_slider = nullptr;
    int m_sliderPosition = 0;
    std::function<void()> m_sliderChange;
    std::function<void(long double)> m_sliderWheel;
    QTimer m_caretTimer;
    QTimer m_flashTimer;
};
