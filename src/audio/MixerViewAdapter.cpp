// Master level and heard position of the live mix.
#include "audio/MixerViewAdapter.h"

#include "audio/AudioFaults.h"
#include "audio/BassApi.h"
#include "audio/Mingler.h"
#include "audio/MinglerHost.h"
#include "model/Arrangement.h"

#include <algorithm>

LevelReading MixerViewAdapter::MasterLevel() {
    DrainAudioFaults();
    const DWORD handle = m_mingler.Handle();
    if (!handle)
        return {};
    const DWORD level = Bass().BASS_ChannelGetLevel(handle);
    if (level != ~DWORD{0})
        return {LevelReading::Status::Ok, level, {}};
    if (Bass().BASS_ErrorGetCode() == BASS_ERROR_NOPLAY)
        return {};
    return {LevelReading::Status::Failed, 0, BassErrorName()};
}

PositionReading MixerViewAdapter::HeardPosition() {
    PositionReading reading;
    reading.ok = m_mingler.HeardPosition(reading.position);
    if (!reading.ok)
        reading.errorText = m_mingler.Handle() ? BassErrorName() : QStringLiteral("no mix stream");
    return reading;
}

void MixerViewAdapter::StreamEnded() {
    m_host.StreamEnded();
}

bool MixerViewAdapter::LastPlaySucceeded() const {
    return m_mingler.Playing();
}

void MixerViewAdapter::RestartEngine() {
    m_mingler.ReinitBass(
        static_cast<uint32_t>(std::max(m_arrangement.plan.ElementRate.Value(), 0)));
}
