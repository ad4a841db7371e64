// Loading the engine libraries with their questions, and the plug-in's tries.
#include "audio/LibraryStartup.h"

#include "audio/AudioFaults.h"
#include "audio/BassApi.h"
#include "support/Report.h"
#include "texts/Parlance.h"
#include "texts/TextFormat.h"

#include <QFileInfo>

#include <cstdio>

const QString kFlacPluginBareName = QStringLiteral("libgbxaudioflac.so");

namespace {

constexpr int kTextWrongVersion = 98;
constexpr int kTextNotLoaded = 99;

QString WrongVersionText(const QString& path, const QString& bareName) {
    const QString name = path.isEmpty() ? bareName : QFileInfo(path).fileName();
    return FormatText(kTextWrongVersion, {name.toUpper()});
}

// The load loop both libraries share; `version` reads the loaded library's version word.
// `mayHalt`: Abort on a wrong version halts (at start-up), else it gives the library up.
LoadOutcome LoadWithQuestions(const QString& path, const QString& bareName, bool mayHalt,
                              const LoadQuestions& questions,
                              const std::function<bool(QString&)>& load,
                              const std::function<void()>& unload,
                              const std::function<DWORD()>& version) {
    for (;;) {
        QString errorText;
        if (!load(errorText)) {
            switch (questions.abortRetryIgnore(Text(kTextNotLoaded) + "\n" + errorText)) {
            case LoadAnswer::Abort:
                return LoadOutcome::Halt;
            case LoadAnswer::Retry:
                continue;
            case LoadAnswer::Ignore:
                return LoadOutcome::Ignored;
            }
        }
        if (VersionAccepted(version()))
            return LoadOutcome::Loaded;
        const QString text = WrongVersionText(path, bareName);
        switch (questions.abortRetryIgnore(text)) {
        case LoadAnswer::Abort:
            if (mayHalt)
                return LoadOutcome::Halt;
            unload();
            return LoadOutcome::Ignored;
        case LoadAnswer::Retry:
            unload();
            continue;
        case LoadAnswer::Ignore:
            if (VersionAccepted(version()))
                return LoadOutcome::Loaded;
            questions.stopMessage(text);
            unload();
            return LoadOutcome::Halt;
        }
    }
}

void Configure(DWORD option, DWORD value) {
    if (!Bass().BASS_SetConfig(option, value))
        GBX_AUDIO_FAULT("BASS_SetConfig " + BassErrorText());
}

} // namespace

LoadQuestions HeadlessLoadQuestions() {
    return {
        [](const QString& text) {
            std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
            return LoadAnswer::Abort;
        },
        [](const QString& text) { std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData()); }};
}

LoadOutcome LoadBassDLL(const QString& path, bool atStartUp, const LoadQuestions& questions) {
    const LoadOutcome outcome = LoadWithQuestions(
        path, QStringLiteral("libgbxaudio.so"), atStartUp, questions,
        [&](QString& errorText) { return LoadBassLibrary(path, errorText); }, UnloadBassLibrary,
        [] { return Bass().BASS_GetVersion(); });
    if (outcome == LoadOutcome::Loaded && atStartUp) {
        Configure(BASS_CONFIG_UNICODE, 1);
        Configure(BASS_CONFIG_DEV_DEFAULT, 1);
    }
    return outcome;
}

LoadOutcome LoadBassMixDLL(const QString& path, const LoadQuestions& questions) {
    return LoadWithQuestions(
        path, QStringLiteral("libgbxaudiomix.so"), true, questions,
        [&](QString& errorText) { return LoadBassMixLibrary(path, errorText); },
        UnloadBassMixLibrary, [] { return BassMix().BASS_Mixer_GetVersion(); });
}

FlacPluginResult LoadFlacPlugin(const QString& path, const QString& programFolder) {
    FlacPluginResult result{0, path};
    if (path.isEmpty() || !BassLoaded())
        return result;
    bool failed = false;
    const auto attempt = [&](const QString& tried) {
        result.path = tried;
        result.handle = Bass().BASS_PluginLoad(QFile::encodeName(tried).constData(), BASS_UNICODE);
        const int error = Bass().BASS_ErrorGetCode();
        failed =
            result.handle == 0 && (error == BASS_ERROR_FILEOPEN || error == BASS_ERROR_FILEFORM);
    };
    const QFileInfo info(path);
    const QString name = info.fileName();
    const QString folder =
        info.path() == QLatin1String(".") && !path.contains('/') ? QString() : info.path() + '/';
    const auto isBare = [](const QString& text) {
        return text.compare(kFlacPluginBareName, Qt::CaseInsensitive) == 0;
    };
    attempt(path);
    if (failed && !isBare(path))
        attempt(programFolder + name);
    if (!isBare(name) && failed) {
        attempt(programFolder + kFlacPluginBareName);
        if (failed && !folder.isEmpty())
            attempt(folder + kFlacPluginBareName);
    }
    if (result.handle == 0)
        Report('"' + result.path + '"', "BASS_PluginLoad " + BassErrorName(), true);
    return result;
}
