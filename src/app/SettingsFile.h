// The program settings file "glorinbax.ini": fresh values, start-up reads, exit writes.
#pragma once

#include "support/ProgramFolders.h"
#include "support/WideMemIniFile.h"

#include <memory>

// Bare names of the engine libraries and fonts, before settings replace them.
inline const QString kBassLibraryName = QStringLiteral("libgbxaudio.so");
inline const QString kBassMixLibraryName = QStringLiteral("libgbxaudiomix.so");
inline const QString kBassFlacLibraryName = QStringLiteral("libgbxaudioflac.so");
inline const QString kRulerFontName = QStringLiteral("interior/Default/glorinbax-ruler.ttf");
inline const QString kEncoderLibraryName = QStringLiteral("libgbxlame.so");

// Fills a store that has no section with every fresh-file value, in table order.
void WriteDefaultSettings(TWideCustomIniFile& store);

// What start-up reads before the languages, the audio and the interior come up.
struct StartupSettings {
    bool handoutShown = false;
    bool fullScreen = false;
    QString editorialProgram;
    QString bufferMsText; // a formula text, evaluated as integer
    int selectedDevice = -1;
    QString bassLibrary; // full paths or names as the settings give them
    QString bassMixLibrary;
    QString bassFlacLibrary;
    QString rulerFont;
    int interiorPadding = 0;
};

StartupSettings ReadStartupSettings(const TWideCustomIniFile& store, const QString& programFolder);

// The state written back at every exit, in the order it is written.
struct ExitSettings {
    bool fullScreen = false;
    QString editorialProgram;
    int selectedInteriorStyle = 0;
    int selectedLanguage = -1;
    QString bufferMsText = QStringLiteral("1000");
    int selectedDevice = -1;
    bool menuTriggerVisible = true;
    bool watchPeekLanesLoudness = true;
    bool watchAllowOutOfRange = false;
    bool watchSecondMode = false;
    bool watchVisible = true;
    bool rulerVisible = true;
    bool carrierVisible = true;
    bool carrierRoundRobin = true;
    bool carrierFollowTheLine = true;
    bool sliderVisible = true;
    bool lanesVisible = true;
    bool laneMetersVisible = true;
    int laneHandlesZoom = 0;
    bool flagsVisible = true;
    bool flagHandlesVisible = true;
    bool leftMasterMeter = true;
    bool rightMasterMeter = true;

    // The values as the store holds them now, with each reader's default.
    static ExitSettings FromStore(const TWideCustomIniFile& store);
};

void SaveSettings(TWideCustomIniFile& store, const ExitSettings& state);

// Opens the settings file (creating its folder and fresh values) and writes it when released.
class ProgramSettings {
public:
    explicit ProgramSettings(const ProgramFolders& folders);
    ~ProgramSettings();
    ProgramSettings(const ProgramSettings&) = delete;
    ProgramSettings& operator=(const ProgramSettings&) = delete;

    TWideMemIniFile& Store() { return *m_store; }
    // Writes the file now; a failure goes to the fault log. Returns whether it was written.
    bool Write();

private:
    std::unique_ptr<TWideMemIniFile> m_store;
    bool m_readOnly = false; // the file exists but could not be read
};
