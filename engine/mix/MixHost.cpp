#include "MixHost.h"

#include "AllocationGuard.h"

#include "gbxaudio.h"

namespace gbxaudio {

const Host* mixHost() {
    static const Host* host = gbxAudioHost(kHostInterfaceVersion);
    return host;
}

int& noAllocationDepth() {
    thread_local int unchecked = 0; // only without a core to ask, which the calls refuse anyway
    const Host* host = mixHost();
    return host ? host->noAllocationDepth() : unchecked;
}

LockedMixer::LockedMixer(const Host& host, Handle handle) : m_channel(host.find(handle)) {
    if (!m_channel || m_channel->producer().kind() != ProducerKind::Mixer || !m_channel->lock()) {
        m_error = BASS_ERROR_HANDLE;
        return;
    }
    m_locked = true;
    m_mixer = static_cast<Mixer*>(&m_channel->producer());
}

LockedMixer::~LockedMixer() {
    if (m_locked)
        m_channel->unlock();
}

LockedSource::LockedSource(const Host& host, Handle source) : m_stream(host.find(source)) {
    const Handle mixer = m_stream ? m_stream->mixer() : 0;
    if (mixer == 0) {
        m_error = BASS_ERROR_HANDLE;
        return;
    }
    m_mixer.emplace(host, mixer);
    m_record = m_mixer->error() == BASS_OK ? m_mixer->mixer().find(source) : nullptr;
    if (!m_record)
        m_error = BASS_ERROR_HANDLE;
}

} // namespace gbxaudio
