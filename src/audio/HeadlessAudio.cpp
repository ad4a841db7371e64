// Bringing the engine up and down for a headless run.
#include "audio/HeadlessAudio.h"

#include "audio/AudioFaults.h"
#include "audio/BassApi.h"
#include "audio/LibraryStartup.h"

namespace {
// The output's own rate; renders and resources keep their own.
constexpr uint32_t kOutputRate = 44100;
} // namespace

HeadlessAudio::HeadlessAudio(const QString& programFolder) {
    const LoadQuestions questions = HeadlessLoadQuestions();
    if (LoadBassDLL(programFolder + "libgbxaudio.so", true, questions) != LoadOutcome::Loaded ||
        LoadBassMixDLL(programFolder + "libgbxaudiomix.so", questions) != LoadOutcome::Loaded)
        return;
    LoadFlacPlugin(programFolder + kFlacPluginBareName, programFolder);
    m_output.Device = AudioOutput::kNoSound;
    m_ready = m_output.InitBass(kOutputRate);
}

HeadlessAudio::~HeadlessAudio() {
    m_output.FreeBass();
    if (BassLoaded())
        Bass().BASS_PluginFree(0);
    UnloadBassMixLibrary();
    UnloadBassLibrary();
    DrainAudioFaults();
}
