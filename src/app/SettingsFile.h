// The program settings file "glorinbax.ini": start-up reads, exit writes, and the file itself.
#pragma once

#include "support/ProgramFolders.h"
#include "support/WideMemIniFile.h"

#include <memory>

// What start-up reads before the languages, the audio and the interior come up.
struct StartupSettings {
    bool handoutShown = false;
    bool fullScreen = false;
    QString bufferMsText; // a formula text, evaluated as integer
    int selectedDevice = -1;
    QString bassLibrary; // full paths or names as the settings give them
    QString bassMixLibrary;
    QString bassFlacLibrary;
    QString rulerFont;
    int interiorPadding = 0;
};

StartupSettings ReadStartupSettings(const TWideCustomIniFile& store, const QString& programFolder);

// The state written back at every exit, in the order it is written: what the program shows
// and has chosen now, each from the object that owns it.
struct ExitSettings {
    bool fullScreen{};
    QString editorialProgram;
    int selectedInteriorStyle{};
    int selectedLanguage{};
    QString bufferMsText;
    int selectedDevice{};
    bool menuTriggerVisible{};
    bool watchPeekLanesLoudness{};
    bool watchAllowOutOfRange{};
    bool watchSecondMode{};
    bool watchVisible{};
    bool rulerVisible{};
    bool carrierVisible{};
    bool carrierRoundRobin{};
    bool carrierFollowTheLine{};
    bool sliderVisible{};
    bool lanesVisible{};
    bool laneMetersVisible{};
    int laneHandlesZoom{};
    bool flagsVisible{};
    bool flagHandlesVisible{};
    bool leftMasterMeter{};
    bool rightMasterMeter{};
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
