// What the arrangement asks of the audio side; the defaults do nothing, for a plan without sound.
#pragma once

#include "model/Units.h"

#include <QString>

#include <cstdint>

class TBall;
class TLane;
class TPiece;
class TRes;

// What a change of a piece's value asks the sounding channels to take up.
enum class SoundAttribute { Loudness, Pan };

// The audio side installs its implementation once the mixer exists. Every call comes from the
// UI thread; the mixer lock serialises them with the mixing thread, which reads pieces.
class AudioHooks {
public:
    virtual ~AudioHooks() = default;

    // The one recursive lock around every change of the mix's sources and syncs.
    virtual void LockMixer() {}
    virtual void UnlockMixer() {}

    // Removes a ball's mix-time sync; false, with the library's error name, when refused.
    virtual bool RemoveSync(uint32_t sync, QString& errorName) {
        (void)sync;
        (void)errorName;
        return true;
    }
    // Stops every channel started from the ball.
    virtual void StopChannels(TBall& ball) { (void)ball; }
    // Frees what the audio side keeps for a ball that is about to go.
    virtual void ReleaseBall(TBall& ball) { (void)ball; }
    // Frees what the audio side keeps for a lane's piece that is about to go.
    virtual void ReleasePiece(TPiece& piece) { (void)piece; }
    // Starts the ball's channels at a mix position, late by an offset.
    virtual void StartChannels(TBall& ball, Elements position, Elements offset) {
        (void)ball;
        (void)position;
        (void)offset;
    }
    // True while the carrier plays and the mixer exists.
    virtual bool Playing() const { return false; }
    // Sets the loudness or pan on every still active channel of the ball; the audio side writes
    // its own failures to the fault log.
    virtual void SetChannelAttribute(TBall& ball, SoundAttribute attribute, float value) {
        (void)ball;
        (void)attribute;
        (void)value;
    }

    // A ball just placed: the mixer schedules it when the plan rolls (ArmBall).
    virtual void ArmBall(TBall& ball) { (void)ball; }
    // A lane's loudness or pan changed: the channels sounding in it take their effective value
    // at once (a pan through the channel's matrix when it has one).
    virtual void ApplyToLaneSounding(TLane& lane, SoundAttribute attribute) {
        (void)lane;
        (void)attribute;
    }
    // A lane was struck, opened or added: while the plan rolls, its balls are silenced and
    // armed again from the position mixed now (a struck lane's balls then start nothing).
    virtual void RescheduleLane(TLane& lane) { (void)lane; }

    // Opens and measures a resource that was just added to the list.
    virtual void OpenResource(TRes& resource) { (void)resource; }
    // A resource is about to be deleted: whatever still plays it outside the balls goes.
    virtual void ForgetResource(TRes& resource) { (void)resource; }

    virtual bool MixerRunning() const { return false; }
    virtual void SetOutputVolume(long double loudness) { (void)loudness; }
    // The timing changed: the mixer arms the balls again.
    virtual void Reschedule() {}
    // The plan's element rate changed: the output starts again at the new rate.
    virtual void ReinitOutput(int32_t elementRate) { (void)elementRate; }
};

// Holds the mixer lock for a scope.
class MixerLock {
public:
    explicit MixerLock(AudioHooks& audio) : m_audio(audio) { m_audio.LockMixer(); }
    ~MixerLock() { m_audio.UnlockMixer(); }
    MixerLock(const MixerLock&) = delete;
    MixerLock& operator=(const MixerLock&) = delete;

private:
    AudioHooks& m_audio;
};
