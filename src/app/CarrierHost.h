// What the mingler, the ruler and the room ask of the carrier, passed on to the carrier control
// and the window once they exist.
#pragma once

#include "audio/MinglerHost.h"
#include "controls/TransportLink.h"

#include <QPointer>

#include <atomic>
#include <memory>

class CarrierLink;
class TGlorinbaxMF;
class TTheCarrier;
class TTheRoom;

// UI thread only, except the calls MinglerHost marks for any thread: those reach the room's
// line and auto-scroll through atomics, or post to the UI thread. The window, the room and the
// carrier are attached under the mixer lock once the window is made and detached before it
// goes; while none is attached nothing rolls and nothing is shown.
class CarrierHost : public TransportLink, public MinglerHost {
public:
    explicit CarrierHost(CarrierLink& link) : m_link(link) {}

    void Attach(TGlorinbaxMF* window, TTheRoom* room, TTheCarrier* carrier);
    // The start-up roll fades in from silence by this step when pending.
    void SetFadeIn(bool pending, long double step);
    void SetClosing() { m_closing = true; }

    // TransportLink
    bool Rolling() const override;
    bool Paused() const override;
    void Go(bool repaintLine, bool remember, Elements position) override;
    void Roll(bool remember, Elements position) override;
    bool RoundRobin() const override;
    bool Looping() const override;
    void ChangeRange() override;
    void ScheduleBallsAgain() override;
    void UpdatePausedTaskbarProgress() override;

    // MinglerHost
    bool CarrierRolls() const override { return Rolling(); }
    // Settled (or settling): balls placed now are armed at the next roll, not in the old mix.
    bool CarrierSettling() const override;
    Elements LinePosition() const override;
    void StopCarrier() override;
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
    // Posts the task-bar's fresh start (no progress, then normal) to the UI thread.
    void RangeEndHeard() override;

private:
    CarrierLink& m_link;
    TGlorinbaxMF* m_window = nullptr;
    TTheRoom* m_room = nullptr;
    TTheCarrier* m_carrier = nullptr;
    // Read on the UI thread by work that the sync threads post there.
    const std::shared_ptr<QPointer<TGlorinbaxMF>> m_postedWindow =
        std::make_shared<QPointer<TGlorinbaxMF>>();
    bool m_fadeInPending = false;
    long double m_fadeInStep = 0;
    std::atomic<bool> m_closing{false};
};
