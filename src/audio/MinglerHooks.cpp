// What the model asks of the audio side, passed to the mingler.
#include "audio/MinglerHooks.h"

#include "audio/AudioFaults.h"
#include "audio/BassApi.h"
#include "audio/Channels.h"
#include "audio/Mingler.h"
#include "audio/MinglerHost.h"
#include "audio/ResourceSound.h"
#include "model/Arrangement.h"

void MinglerHooks::Attach(Arrangement* arrangement, TTheMingler* mingler, MinglerHost* host) {
    m_arrangement = arrangement;
    m_mingler = mingler;
    m_host = host;
}

void MinglerHooks::LockMixer() {
    if (m_mingler)
        m_mingler->Lock();
}

void MinglerHooks::UnlockMixer() {
    if (m_mingler)
        m_mingler->Unlock();
}

bool MinglerHooks::RemoveSync(uint32_t sync, QString& errorName) {
    if (!m_mingler || !m_mingler->Handle())
        return true;
    if (Bass().BASS_ChannelRemoveSync(m_mingler->Handle(), sync))
        return true;
    errorName = BassErrorName();
    return false;
}

void MinglerHooks::StopChannels(TBall& ball) {
    if (TChannels* chans = ExistingBallChannels(ball))
        chans->Clear();
}

void MinglerHooks::ReleaseBall(TBall& ball) {
    ball.Sound.reset();
}

void MinglerHooks::ReleasePiece(TPiece& piece) {
    // A lane's audition plays with its piece's values.
    if (m_mingler)
        m_mingler->ReleaseAuditionOf(piece);
}

void MinglerHooks::StartChannels(TBall& ball, Elements position, Elements offset) {
    if (!m_mingler)
        return;
    MixerLock lock(*this);
    BallChannels(ball).Play(ball.Values(), &ball, offset.count, position, m_mingler->LiveTarget(),
                            ball.Lane());
}

bool MinglerHooks::Playing() const {
    return m_mingler && m_mingler->Handle() && m_host && m_host->CarrierRolls();
}

void MinglerHooks::SetChannelAttribute(TBall& ball, SoundAttribute attribute, float value) {
    const TChannels* chans = ExistingBallChannels(ball);
    if (!chans)
        return;
    const DWORD code = attribute == SoundAttribute::Loudness ? BASS_ATTRIB_VOL : BASS_ATTRIB_PAN;
    for (int i = 0; i < chans->Count(); ++i) {
        const DWORD handle = chans->At(i).Handle();
        if (!handle || Bass().BASS_ChannelIsActive(handle) == BASS_ACTIVE_STOPPED)
            continue;
        if (!Bass().BASS_ChannelSetAttribute(handle, code, value))
            GBX_AUDIO_FAULT("BASS_ChannelSetAttribute " + BassErrorText());
    }
}

void MinglerHooks::OpenResource(TRes& resource) {
    if (m_arrangement)
        ::OpenResource(resource, m_arrangement->plan.Memory,
                       m_arrangement->plan.ElementRate.Value());
}

void MinglerHooks::ForgetResource(TRes& resource) {
    if (m_mingler)
        m_mingler->ReleaseAuditionOf(resource);
}

bool MinglerHooks::MixerRunning() const {
    return m_mingler && m_mingler->Handle();
}

void MinglerHooks::SetOutputVolume(long double loudness) {
    if (m_mingler)
        m_mingler->SetVolume(static_cast<float>(loudness));
}

void MinglerHooks::Reschedule() {
    if (m_mingler)
        m_mingler->RearmAll();
}

void MinglerHooks::ArmBall(TBall& ball) {
    if (m_mingler)
        m_mingler->ArmBall(ball);
}

void MinglerHooks::ApplyToLaneSounding(TLane& lane, SoundAttribute attribute) {
    if (!Playing())
        return;
    // The mixing thread makes the lane's list when a channel first sounds in it.
    MixerLock lock(*this);
    const LaneChannels* sounding = ExistingLaneSounding(lane);
    if (!sounding)
        return;
    for (int i = 0; i < sounding->Count(); ++i) {
        TChan& chan = sounding->At(i);
        if (!chan.Handle() || Bass().BASS_ChannelIsActive(chan.Handle()) == BASS_ACTIVE_STOPPED)
            continue;
        if (attribute == SoundAttribute::Loudness)
            chan.ApplyLoudness();
        else
            chan.ApplyPan();
    }
}

void MinglerHooks::RescheduleLane(TLane& lane) {
    if (!Playing())
        return;
    MixerLock lock(*this);
    for (TBall* ball : lane.LaneBalls)
        m_mingler->SilenceBall(*ball);
    m_mingler->RearmList(lane.LaneBalls);
}

void MinglerHooks::ReinitOutput(int32_t elementRate) {
    if (m_mingler)
        m_mingler->ReinitBass(static_cast<uint32_t>(std::max(elementRate, 0)));
}
