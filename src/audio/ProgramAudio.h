// The audio side of the program from start-up to exit: libraries, plug-in, output, mingler.
#pragma once

#include "audio/AudioOutput.h"
#include "audio/LibraryStartup.h"
#include "audio/Mingler.h"
#include "audio/MinglerHooks.h"
#include "audio/UnderrunReport.h"

#include <QString>
#include <QTimer>

#include <memory>

class Arrangement;
class MinglerHost;
class MixerView;
class MixerViewAdapter;

// The library files as the settings name them.
struct AudioLibraryPaths {
    QString bass;
    QString bassMix;
    QString bassFlac;
};

// What start-up hands the output and the mingler.
struct AudioStartSettings {
    QString programFolder; // with its trailing "/"
    int selectedDevice = AudioOutput::kDefaultDevice;
    QString bufferMsText = QStringLiteral("1000");
    TTheMingler::Setup mingler;
};

// UI thread only. Made before the arrangement, which takes Hooks(); released after the window
// (ShutDown, or the destructor) and before the arrangement goes.
class ProgramAudio {
public:
    ProgramAudio();
    ~ProgramAudio();
    ProgramAudio(const ProgramAudio&) = delete;
    ProgramAudio& operator=(const ProgramAudio&) = delete;

    AudioHooks& Hooks() { return m_hooks; }

    // The core library, then the mixer library, each with its questions. Halt: the program ends
    // at once. Ignored: the program runs on without what was ignored.
    LoadOutcome LoadLibraries(const AudioLibraryPaths& paths, const LoadQuestions& questions);
    // The FLAC plug-in, the output at 44100 frames per second on the selected device with its
    // buffer, and the mingler over the arrangement. Any failure is a report line; it goes on.
    void StartUp(Arrangement& arrangement, MinglerHost& host, const AudioStartSettings& settings);

    TTheMingler* Mingler() { return m_mingler.get(); }
    MixerView* View();
    // The same, as the list the window's renders join.
    MixerViewAdapter* Renders() { return m_view.get(); }
    AudioOutput& Output() { return m_output; }
    // The plug-in's file after its tries, for the settings.
    const QString& FlacPluginPath() const { return m_flacPath; }

    // Frees the mingler, closes the output, frees the plug-ins and unloads the libraries.
    void ShutDown();

private:
    static constexpr uint32_t kStartRate = 44100;
    static constexpr int kFaultDrainMs = 500;

    QString m_flacPluginRequested;
    QString m_flacPath;
    MinglerHooks m_hooks;
    AudioOutput m_output;
    std::unique_ptr<TTheMingler> m_mingler;
    std::unique_ptr<MixerViewAdapter> m_view;
    QTimer m_faultDrain; // also reads the device's underruns
    UnderrunReport m_underruns;
};
