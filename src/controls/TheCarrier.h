// The carrier: the transport at the bottom of the window with its Roll, Pause, Settle, Past and
// Future buttons, and the state machine that rolls, pauses, resumes and settles the mix.
#pragma once

#include "controls/CarrierGlyphs.h"
#include "controls/Ctrl.h"
#include "model/Units.h"

#include <cstdint>

class Arrangement;
class CarrierLink;
class MenuLink;
class TTheInterior;
class TTheRoom;
class TWideCustomIniFile;

// Where a roll starts or a settle rests (settings Carrier.RollFrom and Carrier.SettleTo); any
// other number is the beginning.
enum class CarrierMark : int { Beginning = 0, Start = 1, Point = 2, LastRoll = 3 };

struct CarrierSettings {
    int settleTo = 1;             // Carrier.SettleTo
    int rollFrom = 3;             // Carrier.RollFrom
    bool settleToLastRoll = true; // Carrier.SettleToLastRoll

    static CarrierSettings FromStore(const TWideCustomIniFile& settings);
};

// Keys the carrier's Past and Future buttons send to the key map: the numeric pad's divide and
// multiply, told from the main keyboard's by the keypad bit.
constexpr int kKeypadDivide = Qt::Key_Slash | static_cast<int>(Qt::KeypadModifier);
constexpr int kKeypadMultiply = Qt::Key_Asterisk | static_cast<int>(Qt::KeypadModifier);

// States: Settled (at first; nothing plays, the line rests), Rolling, Paused. A failed play
// leaves it not rolling and not paused. UI thread only. It holds the mixer lock around pausing
// and resuming the mix and nothing else; the link's rolls, stops and releases lock for
// themselves.
class TTheCarrier : public TCtrl {
public:
    TTheCarrier(TCtrlList& list, Arrangement& arrangement, CarrierLink& link, MenuLink& menus,
                const CarrierSettings& settings);

    static constexpr int32_t kWidth = 160;
    static constexpr int32_t kHeight = 38;
    static constexpr int32_t kButtonHeight = 28;
    // A press hits a button only strictly between these rows below the top.
    static constexpr int32_t kHitTop = 7;
    static constexpr int32_t kHitBottom = 32;
    static constexpr int kRepeatDelayMs = 250;
    static constexpr int kRepeatIntervalMs = 15;

    int SettleTo;
    int RollFrom;
    bool SettleToLastRoll;

    bool Rolling() const { return m_rolling; }
    bool Paused() const { return m_paused; }
    bool Settled() const { return m_settled; }
    Elements PausedAt() const { return m_pausedAt; }
    Elements LastRollPosition() const { return m_lastRoll; }
    void SetLastRollPosition(Elements position) { m_lastRoll = position; }
    // X offset of the button shown pressed, -1 for none.
    int32_t DownX() const { return m_downX; }

    Elements MarkPosition(int kind) const;
    Elements SettlePosition() const { return MarkPosition(SettleTo); }
    Elements RollPosition() const { return MarkPosition(RollFrom); }
    // The line's position; while rolling with a stream, as heard now.
    Elements LivePosition() const;
    Elements LinePosition() const;

    // Rolls afresh from a position, any mix there was stopped first; remember makes it the last
    // roll position.
    void Roll(bool remember, Elements position);
    // Rolls from where the line is.
    void RollHere(bool remember);
    // Pauses while rolling; else, when paused and the line stayed where it paused, resumes in
    // place (not on the no-sound output); else rolls from the line.
    void PauseToggle();
    // Stops and puts the line on the last roll position or the settle mark.
    void Settle();
    // Moves the line there (rolling from there while rolling) and scrolls the room to it;
    // scroll repaints the line when the room stays.
    void Go(bool scroll, bool remember, Elements position);
    // The mix stream stopped by itself: the carrier pauses where it is and the stream goes.
    void Ended();
    // Stops rolling and stops the mix.
    void Stop();
    // The line to a position without playing.
    void MoveLine(Elements position);

    // Shows the button at this X offset pressed (-1: none) until another is.
    void ShowDown(int32_t x);
    void ResetMasterMeters();
    // The repeat timer's step: the held button's key again, with the modifiers held now. A press
    // that ended without a release (the capture went, the carrier was hidden, the window lost
    // the focus) stops the repeat instead.
    void RepeatTick();

    // The button under a point of the client area, by the style's hit spans and the hit band.
    CarrierButton ButtonAt(int32_t x, int32_t y) const;
    // A button's X offset inside the carrier, from the style.
    int32_t ButtonX(CarrierButton button) const;

    // TCtrl
    void Paint() override;
    void Resize() override;
    void MouseDown(MouseButton button, int32_t x, int32_t y, ShiftState shift) override;
    void MouseUp(int32_t x, int32_t y) override;

private:
    void startRolling();
    void stopRolling();
    // Pressing a button with the mouse.
    void pressRoll(ShiftState shift);
    void sendKey(int key, ShiftState shift, ShiftState on, ShiftState off);
    // The mouse still holds the pressed button: captured, shown, in the active window.
    bool holdsPress() const;
    // Stops the repeat and shows every button up.
    void endPress();
    // The mixing thread waits while the mixer lock is held: these hold it around the mix's
    // change alone, never while painting or running timers.
    void pauseMix();
    bool resumeMix();
    void repaintLinesAndWatch();
    void scrollTo(Elements position, bool scroll);
    CarrierLook look() const;
    TTheRoom* room() const;

    Arrangement& m_arrangement;
    CarrierLink& m_link;
    MenuLink& m_menus;

    bool m_rolling = false;
    bool m_paused = false;
    bool m_settled = true;
    Elements m_pausedAt{};
    Elements m_lastRoll{};
    int32_t m_downX = -1;
    int m_repeatKey = 0;
    ShiftState m_repeatOn;
    ShiftState m_repeatOff;
    MouseButton m_pressed = MouseButton::None;
};

// The interior's carrier; none when the program made none.
TTheCarrier* TheCarrierOf(const TTheInterior& interior);
