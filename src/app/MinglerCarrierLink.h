// What the carrier asks of the mingler and the main window, answered over both.
#pragma once

#include "controls/CarrierLink.h"

class Arrangement;
class AudioOutput;
class TGlorinbaxMF;
class TTheMingler;
class WindowPeers;

// UI thread only. The window is attached once it exists and the mingler once the audio side
// started; without a mingler (no engine) nothing plays and every play counts as failed.
class MinglerCarrierLink : public CarrierLink {
public:
    MinglerCarrierLink(Arrangement& arrangement, AudioOutput& output, WindowPeers& peers)
        : m_arrangement(arrangement), m_output(output), m_peers(peers) {}

    void AttachWindow(TGlorinbaxMF* window) { m_window = window; }
    void AttachMingler(TTheMingler* mingler) { m_mingler = mingler; }

    bool HasStream() const override;
    bool LastPlaySucceeded() const override;
    void RollMix(Elements from) override;
    bool PauseMix() override;
    bool ResumeMix() override;
    void StopMix() override;
    void ReleaseMix() override;
    bool SilentOutput() const override;

    bool RoundRobin() const override;
    bool Looping() const override;
    void ChangeRange() override;
    void ScheduleBallsAgain() override;

    void RunRollTimers(bool on) override;
    void ShowPausedProgress() override;
    void ClearProgress() override;
    void PaintWatch() override;

    void SendKey(int key, ShiftState shift) override;
    ShiftState Modifiers() const override;
    bool WindowActive() const override;
    void RunRepeat(int intervalMs) override;
    void StopRepeat() override;

private:
    Arrangement& m_arrangement;
    AudioOutput& m_output;
    WindowPeers& m_peers;
    TGlorinbaxMF* m_window = nullptr;
    TTheMingler* m_mingler = nullptr;
};
