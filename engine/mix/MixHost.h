// The core's interface as the mixer library reaches it, and locking a mixer for a call.
#pragma once

#include "EngineHost.h"
#include "MixSource.h"
#include "Mixer.h"

#include <memory>
#include <optional>

namespace gbxaudio {

// nullptr when the core beside this library speaks another interface version.
const Host* mixHost();

// The mixer behind a handle, locked while this object lives. Any thread.
class LockedMixer {
public:
    LockedMixer(const Host& host, Handle handle);
    ~LockedMixer();
    LockedMixer(const LockedMixer&) = delete;
    LockedMixer& operator=(const LockedMixer&) = delete;

    // 0 (BASS_OK), or why there is no locked mixer.
    int error() const { return m_error; }
    Mixer& mixer() { return *m_mixer; }
    HostChannel& channel() { return *m_channel; }

private:
    std::shared_ptr<HostChannel> m_channel;
    Mixer* m_mixer = nullptr;
    bool m_locked = false;
    int m_error = 0;
};

// A source stream with its mixer locked and its record in that mixer. Any thread.
class LockedSource {
public:
    LockedSource(const Host& host, Handle source);

    // 0 (BASS_OK), or why the source is not available.
    int error() const { return m_error; }
    HostChannel& stream() { return *m_stream; }
    LockedMixer& mixer() { return *m_mixer; }
    MixSource& record() { return *m_record; }

private:
    std::shared_ptr<HostChannel> m_stream;
    std::optional<LockedMixer> m_mixer;
    MixSource* m_record = nullptr;
    int m_error = 0;
};

} // namespace gbxaudio
