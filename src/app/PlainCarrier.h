// The carrier's transport without its buttons: rolling, stopping and moving the line over the
// mingler, and what the mingler asks of the window side.
#pragma once

#include "audio/MinglerHost.h"
#include "controls/TransportLink.h"

#include <atomic>

class Arrangement;
class TGlorinbaxMF;
class TTheMingler;
class TTheRoom;

// Where a roll starts or a stop settles (settings Carrier.RollFrom and Carrier.SettleTo).
enum class CarrierMark : int { Beginning = 0, Start = 1, Point = 2, LastRoll = 3 };

// UI thread only, except the calls MinglerHost marks for any thread: those are single atomic
// writes. The window, the room and the mingler are attached once they exist and detached before
// they go; without them every operation does what a program without sound would.
class PlainCarrier : public TransportLink, public MinglerHost {
public:
    PlainCarrier(Arrangement& arrangement, int rollFrom, int settleTo);

    void AttachWindow(TGlorinbaxMF* window, TTheRoom* room);
    void AttachMingler(TTheMingler* mingler) { m_mingler = mingler; }

    Elements MarkPosition(int kind) const;
    Elements RollPosition() const { return MarkPosition(m_rollFrom); }
    Elements SettlePosition() const { return MarkPosition(m_settleTo); }
    Elements LastRollPosition() const { return m_lastRoll; }
    void SetLastRollPosition(Elements position) { m_lastRoll = position; }

    // The line to a position without playing.
    void MoveLine(Elements position);
    // Stops rolling and releases the mix stream.
    void Stop();
    // The start-up roll fades in from silence by this step when pending.
    void SetFadeIn(bool pending, long double step);
    void SetClosing() { m_closing = true; }

    // TransportLink
    bool Rolling() const override { return m_rolling; }
    bool Paused() const override { return m_paused; }
    void Go(bool repaintLine, bool remember, Elements position) override;
    void Roll(bool remember, Elements position) override;
    bool RoundRobin() const override;
    bool Looping() const override;
    void ChangeRange() override;
    void ScheduleBallsAgain() override;
    void UpdatePausedTaskbarProgress() override;

    // MinglerHost
    bool CarrierRolls() const override { return m_rolling; }
    // Stop settles at once: this transport is never between rolling and settled.
    bool CarrierSettling() const override { return false; }
    Elements LinePosition() const override;
    void StopCarrier() override { Stop(); }
    void RollCarrierFrom(Elements position) override { Roll(false, position); }
    void CarrierJumpTo(Elements position) override { Go(true, false, position); }
    void RepaintRoom() override;
    void StreamEnded() override;
    bool FadeInPending() const override { return m_fadeInPending; }
    void StartFadeIn() override;
    bool FadeRunning() const override;
    long double FadeLevel() const override;
    bool Closing() const override { return m_closing; }
    void LineWrapped(Elements start) override;
    void LineBaseReset(Elements start) override;
    // Nothing yet: the task bar starts over at the range end once the carrier's buttons exist.
    void RangeEndHeard() override {}

private:
    void startRolling();
    void stopRolling();
    void scrollTo(Elements position, bool repaintLine);

    Arrangement& m_arrangement;
    const int m_rollFrom;
    const int m_settleTo;
    TGlorinbaxMF* m_window = nullptr;
    TTheRoom* m_room = nullptr;
    TTheMingler* m_mingler = nullptr;

    bool m_rolling = false;
    bool m_paused = false;
    Elements m_lastRoll{};
    bool m_fadeInPending = false;
    long double m_fadeInStep = 0;
    std::atomic<bool> m_closing{false};
};
