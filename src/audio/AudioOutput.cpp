// Starting and closing the output device.
#include "audio/AudioOutput.h"

#include "audio/AudioFaults.h"
#include "audio/BassApi.h"
#include "support/Report.h"
#include "texts/Parlance.h"

#include <algorithm>

namespace {

constexpr int kTextSwitchedToDefault = 306;
constexpr int kTextOutputFailed = 308;

bool Init(int device, uint32_t rate) {
    return Bass().BASS_Init(device, rate, 0, nullptr, nullptr) != FALSE;
}

} // namespace

bool AudioOutput::InitBass(uint32_t rate) {
    if (!BassLoaded())
        return m_initialised = false;
    if (Init(Device, rate))
        return m_initialised = true;
    const QString firstError = BassErrorName();
    Device = kDefaultDevice;
    if (Init(Device, rate)) {
        Report(GetText(kTextSwitchedToDefault), firstError + " (BASS_Init)", false);
        return m_initialised = true;
    }
    Report(Text(kTextOutputFailed), BassErrorName() + " (BASS_Init)", true);
    // A machine without sound still measures, plays silently and renders.
    m_initialised = Init(kNoSound, rate);
    if (!m_initialised)
        GBX_AUDIO_FAULT("BASS_Init " + BassErrorText());
    return m_initialised;
}

void AudioOutput::FreeBass() {
    if (!m_initialised)
        return;
    if (!Bass().BASS_Free())
        GBX_AUDIO_FAULT("BASS_Free " + BassErrorText());
    m_initialised = false;
}

void AudioOutput::ApplyBassBuffer() {
    if (!BassLoaded())
        return;
    if (!Bass().BASS_SetConfig(BASS_CONFIG_BUFFER,
                               static_cast<DWORD>(std::max(0, BufferMs.Value()))))
        GBX_AUDIO_FAULT("BASS_SetConfig " + BassErrorText());
}
