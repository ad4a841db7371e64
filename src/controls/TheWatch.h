// The watch: the seven-digit display under the lane strip that shows where the line stands, as
// a time or as a step count, and takes typed values through its typer.
#pragma once

#include "controls/Ctrl.h"
#include "controls/WatchLink.h"

#include <QImage>

#include <functional>
#include <memory>

class Arrangement;
class MenuLink;
class TTheInterior;
class TWatchTyper;
class WatchRelay;
struct WatchState;

// Draws straight into the composition. UI thread only.
class TTheWatch : public TCtrl, public WatchLink {
public:
    // Attaches itself to the relay (when given) for as long as it lives.
    TTheWatch(TCtrlList& list, Arrangement& arrangement, MenuLink& menus,
              WatchRelay* relay = nullptr);
    ~TTheWatch() override;

    TWatchTyper& Typer() { return *m_typer; }
    // Typing or the flash that ends it.
    bool TypingView() const;
    Arrangement& Model() { return m_arrangement; }
    // The watch's settings (mode, peeking, out-of-range entry), kept by the interior.
    WatchState& States();

    // The style's digit strip, else the built-in one.
    const QImage& DigitStrip() const;
    // Watch.Mode: the step painter instead of the time painter.
    bool StepMode();
    // Flips the mode and with it the chosen painter.
    void SwitchMode();

    // The background and the current painter's digits into the composition; full shows the
    // third group whole (the line is not rolling).
    void PaintDigits(bool full);
    // The same, then copied to the screen.
    void ShowDigits(bool full);
    // A text of glyph characters (WatchDigitText.h) at the places, dimmed when the watch is.
    void DrawText(QPainter& painter, const QString& text);

    // What the watch's copy puts on the clipboard: the typed value while typing (a time entry as
    // a time), else the line's step number or its time, as the chosen mode shows it.
    QString CopiedText();

    // The two painters of the chosen mode; a fault is reported and the last digits stay.
    void UpdateTimeDigits(QPainter& painter);
    void UpdateFrameDigits(QPainter& painter);

    // WatchLink; while typing, no other painter takes over.
    bool Typing() const override;
    void EndTyping() override;
    const DigitPainter* CurrentPainter() const override { return m_current; }
    void SetPainter(DigitPainter& painter) override;
    void RestoreChosenPainter() override;
    void PaintTimeDigits(QPainter& painter, const PeekedTime& time) override;
    void ShowNumber(int value, bool negative) override;
    bool ShowsNumber() const override { return m_current == &m_numberPainter; }
    void RepaintDigits() override;

    // TCtrl
    void Paint() override;
    void Resize() override;
    // While typing: a tap of the tempo being typed, else the end of the entry.
    void MouseDown(MouseButton button, int32_t x, int32_t y, ShiftState shift) override;
    // After a right press: the watch's menu.
    void MouseUp(int32_t x, int32_t y) override;

private:
    class MemberPainter : public DigitPainter {
    public:
        explicit MemberPainter(std::function<void(QPainter&)> paint) : m_paint(std::move(paint)) {}
        void PaintDigits(QPainter& painter) override { m_paint(painter); }

    private:
        std::function<void(QPainter&)> m_paint;
    };

    DigitPainter& chosenPainter();
    // Draws the digits a painter worked out; a fault is reported and the last digits stay.
    void drawDigitsOf(QPainter& painter, const char* operation,
                      const std::function<QString()>& digits);
    void paintBackground(QPainter& painter);

    Arrangement& m_arrangement;
    MenuLink& m_menus;
    WatchRelay* m_relay;
    MouseButton m_pressed = MouseButton::None;
    QImage m_builtInStrip;
    MemberPainter m_timePainter;
    MemberPainter m_stepPainter;
    MemberPainter m_numberPainter; // the number last given to ShowNumber
    QString m_number;
    QString m_lastDigits;
    DigitPainter* m_current = nullptr;
    bool m_full = true;
    std::unique_ptr<WatchState> m_ownStates; // for a watch made without an interior
    std::unique_ptr<TWatchTyper> m_typer;
};

// The interior's watch, or none.
TTheWatch* TheWatchOf(const TTheInterior& interior);

struct ControlMakers;
// Sets the maker of the watch.
void AddWatch(ControlMakers& makers, Arrangement& arrangement, MenuLink& menus, WatchRelay& relay);
