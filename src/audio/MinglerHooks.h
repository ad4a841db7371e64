// The audio hooks of the model, served by the mingler and the resource functions.
#pragma once

#include "model/AudioHooks.h"

class Arrangement;
class MinglerHost;
class TTheMingler;

// Exists before the arrangement (which takes it) and serves it once Attach gave it the mingler;
// before that every call does what the model's defaults do. Threads as AudioHooks: the UI thread.
class MinglerHooks : public AudioHooks {
public:
    // The arrangement whose resources to open, the mingler that plays, and the window side.
    void Attach(Arrangement* arrangement, TTheMingler* mingler, MinglerHost* host);

    void LockMixer() override;
    void UnlockMixer() override;
    bool RemoveSync(uint32_t sync, QString& errorName) override;
    void StopChannels(TBall& ball) override;
    void ReleaseBall(TBall& ball) override;
    void ReleasePiece(TPiece& piece) override;
    void StartChannels(TBall& ball, Elements position, Elements offset) override;
    bool Playing() const override;
    void SetChannelAttribute(TBall& ball, SoundAttribute attribute, float value) override;
    void OpenResource(TRes& resource) override;
    void ForgetResource(TRes& resource) override;
    bool MixerRunning() const override;
    void SetOutputVolume(long double loudness) override;
    void Reschedule() override;
    void ArmBall(TBall& ball) override;
    void ApplyToLaneSounding(TLane& lane, SoundAttribute attribute) override;
    void RescheduleLane(TLane& lane) override;
    void ReinitOutput(int32_t elementRate) override;

private:
    Arrangement* m_arrangement = nullptr;
    TTheMingler* m_mingler = nullptr;
    MinglerHost* m_host = nullptr;
};
