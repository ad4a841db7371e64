// Start-up and shut-down of the audio side.
#include "audio/ProgramAudio.h"

#include "audio/AudioFaults.h"
#include "audio/BassApi.h"
#include "audio/MixerViewAdapter.h"
#include "support/FaultLog.h"

#include <stdexcept>

ProgramAudio::ProgramAudio() {
    m_faultDrain.setInterval(kFaultDrainMs);
    QObject::connect(&m_faultDrain, &QTimer::timeout, [this] {
        DrainAudioFaults();
        if (BassLoaded())
            m_underruns.Tick(Bass().BASS_GetConfig(GBXAUDIO_CONFIG_UNDERRUNS));
    });
}

ProgramAudio::~ProgramAudio() {
    ShutDown();
}

LoadOutcome ProgramAudio::LoadLibraries(const AudioLibraryPaths& paths,
                                        const LoadQuestions& questions) {
    m_flacPluginRequested = paths.bassFlac;
    const LoadOutcome core = LoadBassDLL(paths.bass, true, questions);
    if (core != LoadOutcome::Loaded)
        return core;
    return LoadBassMixDLL(paths.bassMix, questions);
}

void ProgramAudio::StartUp(Arrangement& arrangement, MinglerHost& host,
                           const AudioStartSettings& settings) {
    m_flacPath = LoadFlacPlugin(m_flacPluginRequested, settings.programFolder).path;
    m_output.Device = settings.selectedDevice;
    m_output.BufferMs.SetText(settings.bufferMsText.toStdString());
    m_output.InitBass(kStartRate);
    m_output.ApplyBassBuffer();
    m_mingler = std::make_unique<TTheMingler>(arrangement, m_output, host, settings.mingler);
    m_view = std::make_unique<MixerViewAdapter>(arrangement, *m_mingler, host);
    m_hooks.Attach(&arrangement, m_mingler.get(), &host);
    m_faultDrain.start();
}

MixerView* ProgramAudio::View() {
    return m_view.get();
}

void ProgramAudio::ShutDown() {
    m_faultDrain.stop();
    m_hooks.Attach(nullptr, nullptr, nullptr);
    m_view.reset();
    m_mingler.reset();
    try {
        m_output.FreeBass();
        if (BassLoaded() && !Bass().BASS_PluginFree(0))
            GBX_FAULT("BASS_PluginFree " + BassErrorText());
        UnloadBassMixLibrary();
        UnloadBassLibrary();
    } catch (const std::exception& e) {
        GBX_FAULT_CAUGHT("UnloadBassDLL", e);
    }
    DrainAudioFaults();
}
