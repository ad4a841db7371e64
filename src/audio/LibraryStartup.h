// Bringing the engine libraries up at start-up: loading with the version checks and their
// questions, the configuration calls, and the FLAC plug-in's four tries.
#pragma once

#include "gbxaudio.h"

#include <QString>

#include <functional>

// The answers of the questions a failed load asks.
enum class LoadAnswer { Abort, Retry, Ignore };

// How a load asks: the window shows message boxes, a headless run prints and aborts.
struct LoadQuestions {
    // Abort, Retry or Ignore, with the stop icon.
    std::function<LoadAnswer(const QString& text)> abortRetryIgnore;
    // A last message with an OK button before the program halts.
    std::function<void(const QString& text)> stopMessage;
};

// Prints each question to stderr and answers Abort.
LoadQuestions HeadlessLoadQuestions();

enum class LoadOutcome { Loaded, Ignored, Halt };

// Loads the core library: on failure text 99 and the loader's error; on a wrong version text 98
// with the library's file name in capitals (Ignore tests once more, and a second wrong version
// halts). Abort halts, except for a wrong version after start-up, which gives the library up. At
// start-up a loaded library gets its configuration (Unicode names, following the default device).
// UI thread only.
LoadOutcome LoadBassDLL(const QString& path, bool atStartUp, const LoadQuestions& questions);
// The mixer library, asked the same way for a wrong version and for a failed load; after
// Ignore the program runs without a mixer and rolling says so in the report.
LoadOutcome LoadBassMixDLL(const QString& path, const LoadQuestions& questions);

// What the plug-in's tries came to: the handle (0 when none loaded) and the path tried last.
struct FlacPluginResult {
    DWORD handle = 0;
    QString path;
};

// Loads the FLAC plug-in from `path`; when that fails for a missing or unreadable file, tries the
// program folder with the same file name, then the program folder and then the path's own folder
// with the bare plug-in name. Reports the last path when nothing loaded. An empty path skips it.
FlacPluginResult LoadFlacPlugin(const QString& path, const QString& programFolder);

// The plug-in's bare file name, which the tries fall back to.
extern const QString kFlacPluginBareName;
