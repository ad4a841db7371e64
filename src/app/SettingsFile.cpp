// Start-up reads, exit writes and the file of the program settings.
#include "app/SettingsFile.h"

#include "support/FaultLog.h"
#include "support/SettingKeys.h"

#include <QDir>
#include <QFileInfo>

#include <stdexcept>

StartupSettings ReadStartupSettings(const TWideCustomIniFile& store, const QString& programFolder) {
    StartupSettings s;
    s.handoutShown = ReadSettingBool(store, Setting("Main", "HandoutShown"));
    s.fullScreen = ReadSettingBool(store, Setting("Main", "FullScreen"));
    s.bufferMsText = ReadSettingText(store, Setting("Audio.Out", "BufferMS"));
    s.selectedDevice = ReadSettingInt(store, Setting("Audio.Out", "SelectedDevice"));
    s.bassLibrary = ReadSettingFile(store, Setting("Main", "BassDLL"), programFolder);
    s.bassMixLibrary = ReadSettingFile(store, Setting("Main", "BassMixDLL"), programFolder);
    s.bassFlacLibrary = ReadSettingFile(store, Setting("Main", "BassFlacDLL"), programFolder);
    s.rulerFont = ReadSettingFile(store, Setting("Main", "RulerFont"), programFolder);
    s.interiorPadding = ReadSettingInt(store, Setting("Main", "InteriorPadding"));
    return s;
}

void SaveSettings(TWideCustomIniFile& store, const ExitSettings& s) {
    WriteSettingBool(store, Setting("Main", "FullScreen"), s.fullScreen);
    WriteSettingBool(store, Setting("Main", "HandoutShown"), true);
    WriteSettingText(store, Setting("Main", "EditorialProgram"), s.editorialProgram);
    WriteSettingInt(store, Setting("Main", "SelectedInteriorStyle"), s.selectedInteriorStyle);
    WriteSettingInt(store, Setting("Main", "SelectedLanguage"), s.selectedLanguage);
    WriteSettingText(store, Setting("Audio.Out", "BufferMS"), s.bufferMsText);
    WriteSettingInt(store, Setting("Audio.Out", "SelectedDevice"), s.selectedDevice);
    WriteSettingBool(store, Setting("MenuTrigger", "Visible"), s.menuTriggerVisible);
    WriteSettingBool(store, Setting("Watch", "PeekLanesLoudness"), s.watchPeekLanesLoudness);
    WriteSettingBool(store, Setting("Watch", "AllowOutOfRange"), s.watchAllowOutOfRange);
    WriteSettingBool(store, Setting("Watch", "Mode"), s.watchSecondMode);
    WriteSettingBool(store, Setting("Watch", "Visible"), s.watchVisible);
    WriteSettingBool(store, Setting("Ruler", "Visible"), s.rulerVisible);
    WriteSettingBool(store, Setting("Carrier", "Visible"), s.carrierVisible);
    WriteSettingBool(store, Setting("Carrier", "RoundRobin"), s.carrierRoundRobin);
    WriteSettingBool(store, Setting("Carrier", "FollowTheLine"), s.carrierFollowTheLine);
    WriteSettingBool(store, Setting("Slider", "Visible"), s.sliderVisible);
    WriteSettingBool(store, Setting("Lanes", "Visible"), s.lanesVisible);
    WriteSettingBool(store, Setting("Lanes", "Meters.Visible"), s.laneMetersVisible);
    WriteSettingInt(store, Setting("Lanes", "Handles.Zoom"), s.laneHandlesZoom);
    WriteSettingBool(store, Setting("Flags", "Visible"), s.flagsVisible);
    WriteSettingBool(store, Setting("Flags", "Handles.Visible"), s.flagHandlesVisible);
    WriteSettingBool(store, Setting("MasterMeters", "L.Visible"), s.leftMasterMeter);
    WriteSettingBool(store, Setting("MasterMeters", "R.Visible"), s.rightMasterMeter);
}

ProgramSettings::ProgramSettings(const ProgramFolders& folders) {
    QDir().mkpath(QFileInfo(folders.settingsFile).absolutePath());
    try {
        m_store = std::make_unique<TWideMemIniFile>(folders.settingsFile);
    } catch (const std::exception& e) {
        // The user's file stays as it is: run on fresh values and never write over it.
        GBX_FAULT_CAUGHT("LoadSettings", e);
        m_store = std::make_unique<TWideMemIniFile>(QString());
        m_readOnly = true;
    }
    if (m_store->ReadSections().isEmpty())
        WriteFreshSettings(*m_store);
}

ProgramSettings::~ProgramSettings() {
    Write();
}

bool ProgramSettings::Write() {
    if (m_readOnly)
        return false;
    try {
        m_store->UpdateFile();
        return true;
    } catch (const std::exception& e) {
        GBX_FAULT_CAUGHT("ProgramSettings.Write", e);
        return false;
    }
}
