// The audio side of a run without a window: the engine libraries from the program folder and
// the "no sound" output, enough to measure sound files and render plans.
#pragma once

#include "audio/AudioOutput.h"

#include <QString>

// UI thread only; one at a time. Loading failures are printed to stderr (the headless questions).
class HeadlessAudio {
public:
    explicit HeadlessAudio(const QString& programFolder);
    // Closes the output, frees the plug-ins and unloads the libraries.
    ~HeadlessAudio();
    HeadlessAudio(const HeadlessAudio&) = delete;
    HeadlessAudio& operator=(const HeadlessAudio&) = delete;

    // Both libraries loaded and the output started.
    bool Ready() const { return m_ready; }

private:
    AudioOutput m_output;
    bool m_ready = false;
};
