// Fresh values, readers' defaults and the exit writes of the program settings file.
#include "app/SettingsFile.h"

#include "support/FaultLog.h"
#include "support/PathText.h"

#include <QDir>
#include <QFileInfo>

#include <stdexcept>

namespace {

struct FreshValue {
    const char* section;
    const char* key;
    const char* value;
};

// The first-run values, in the order a fresh file lists them.
const FreshValue kFreshValues[] = {
    {"Main", "HandoutShown", "0"},
    {"Main", "FullScreen", "0"},
    {"Main", "EditorialProgram", ""},
    {"Main", "EditorialProgramFolder", ""},
    {"Main", "Languages", "English,Français,Deutsch,Русский,Українська"},
    {"Main", "LanguageCodes", "en,fr,de,ru,uk"},
    {"Main", "SelectedLanguage", "-1"},
    {"Main", "BassFlacDLL", "libgbxaudioflac.so"},
    {"Main", "RulerFont", "interior/Default/glorinbax-ruler.ttf"},
    {"Main", "InteriorStyles", "Default,Cosmic,Veggy"},
    {"Main", "InteriorStyles.fr", "\"Par défaut\",Cosmique,Légume"},
    {"Main", "InteriorStyles.de", "Voreinstellung,Kosmisch,Gemüse"},
    {"Main", "InteriorStyles.ru", "\"По умолчанию\",Космический,Овощной"},
    {"Main", "InteriorStyles.uk", "\"За замовчуванням\",Космічний,Овочевий"},
    {"Main", "SelectedInteriorStyle", "2"},
    {"Main", "InteriorPadding", "0"},
    {"Perpetuator", "BufferBytes", "65536"},
    {"Perpetuator", "BitsPerElement", "16"},
    {"Perpetuator", "Tracks", "2"},
    {"Perpetuator", "FilePath", ""},
    {"Perpetuator", "ExtendedInfoInDialog", "1"},
    {"Perpetuator", "RememberBitsPerElement", "1"},
    {"Perpetuator", "RememberFileName", "1"},
    {"Perpetuator", "RememberFolder", "1"},
    {"Perpetuator", "UsePlanHandle", "0"},
    {"Perpetuator", "MP3.BitRate", "320"},
    {"Perpetuator", "MP3.ElementRate", "0"},
    {"Perpetuator", "MP3.Quality", "2"},
    {"Perpetuator", "Format", "2"},
    {"Perpetuator", "VBR.Method", "0"},
    {"Perpetuator", "VBR.Quality", "5"},
    {"Perpetuator", "VBR.MinBitRate", "0"},
    {"Perpetuator", "EncoderDLL", "libgbxlame.so"},
    {"Audio.Out", "BufferMS", "500"},
    {"Audio.Out", "SelectedDevice", "-1"},
    {"Audio.Out", "FadeInOnStartup", "1"},
    {"Audio.Out", "FadeInStep", "0.005"},
    {"Watch", "Visible", "1"},
    {"Watch", "PeekLanesLoudness", "1"},
    {"Watch", "Mode", "0"},
    {"Watch", "AllowOutOfRange", "1"},
    {"Ruler", "Visible", "1"},
    {"Carrier", "Visible", "1"},
    {"Carrier", "RoundRobin", "1"},
    {"Carrier", "FollowTheLine", "1"},
    {"Carrier", "SettleTo", "0"},
    {"Carrier", "SettleToLastRoll", "1"},
    {"Carrier", "RollFrom", "3"},
    {"Carrier", "RollOnStartup", "1"},
    {"Slider", "Visible", "1"},
    {"Lanes", "Visible", "1"},
    {"Lanes", "Meters.Visible", "1"},
    {"Lanes", "Handles.Zoom", "0"},
    {"Flags", "Visible", "1"},
    {"Flags", "Handles.Visible", "1"},
    {"Room", "TimeSegments", "4"},
    {"Room", "Line.PaintOverLanes", "0"},
    {"MasterMeters", "L.Visible", "1"},
    {"MasterMeters", "R.Visible", "1"},
    {"SelectFolder", "Position", "relative"},
    {"SelectFolder", "X", "100"},
    {"SelectFolder", "Y", "100"},
    {"Resources", "DefaultFolder", ""},
    {"Resources", "CollectInFolder", ""},
    {"ProgramRinger", "FilePath", ""},
    {"ProgramRinger", "DisplayProgress", "1"},
    {"ProgramRinger", "InPortions", "0"},
    {"Report", "AutoHide", "1"},
    {"MenuTrigger", "Visible", "1"},
    {"GlorinbaxMF", "State", "0"},
};

// A library or font named in settings, with the program folder as its default place.
QString readFileSetting(const TWideCustomIniFile& store, const char* key, const QString& def) {
    return ToLinuxSeparators(store.ReadString("Main", key, def));
}

} // namespace

void WriteDefaultSettings(TWideCustomIniFile& store) {
    for (const FreshValue& v : kFreshValues)
        store.WriteString(v.section, v.key, QString::fromUtf8(v.value));
}

StartupSettings ReadStartupSettings(const TWideCustomIniFile& store, const QString& programFolder) {
    StartupSettings s;
    s.handoutShown = store.ReadBool("Main", "HandoutShown", false);
    s.fullScreen = store.ReadBool("Main", "FullScreen", false);
    s.editorialProgram = store.ReadString("Main", "EditorialProgram", QString());
    s.bufferMsText = store.ReadString("Audio.Out", "BufferMS", QString::number(1000));
    s.selectedDevice = store.ReadInteger("Audio.Out", "SelectedDevice", -1);
    s.bassLibrary = readFileSetting(store, "BassDLL", programFolder + kBassLibraryName);
    s.bassMixLibrary = readFileSetting(store, "BassMixDLL", programFolder + kBassMixLibraryName);
    s.bassFlacLibrary = readFileSetting(store, "BassFlacDLL", programFolder + kBassFlacLibraryName);
    s.rulerFont = readFileSetting(store, "RulerFont", programFolder + kRulerFontName);
    s.interiorPadding = store.ReadInteger("Main", "InteriorPadding", 0);
    return s;
}

ExitSettings ExitSettings::FromStore(const TWideCustomIniFile& store) {
    ExitSettings s;
    s.fullScreen = store.ReadBool("Main", "FullScreen", false);
    s.editorialProgram = store.ReadString("Main", "EditorialProgram", QString());
    s.selectedInteriorStyle = store.ReadInteger("Main", "SelectedInteriorStyle", 0);
    s.selectedLanguage = store.ReadInteger("Main", "SelectedLanguage", -1);
    s.bufferMsText = store.ReadString("Audio.Out", "BufferMS", QString::number(1000));
    s.selectedDevice = store.ReadInteger("Audio.Out", "SelectedDevice", -1);
    s.menuTriggerVisible = store.ReadBool("MenuTrigger", "Visible", true);
    s.watchPeekLanesLoudness = store.ReadBool("Watch", "PeekLanesLoudness", true);
    s.watchAllowOutOfRange = store.ReadBool("Watch", "AllowOutOfRange", false);
    s.watchSecondMode = store.ReadBool("Watch", "Mode", false);
    s.watchVisible = store.ReadBool("Watch", "Visible", true);
    s.rulerVisible = store.ReadBool("Ruler", "Visible", true);
    s.carrierVisible = store.ReadBool("Carrier", "Visible", true);
    s.carrierRoundRobin = store.ReadBool("Carrier", "RoundRobin", true);
    s.carrierFollowTheLine = store.ReadBool("Carrier", "FollowTheLine", true);
    s.sliderVisible = store.ReadBool("Slider", "Visible", true);
    s.lanesVisible = store.ReadBool("Lanes", "Visible", true);
    s.laneMetersVisible = store.ReadBool("Lanes", "Meters.Visible", true);
    s.laneHandlesZoom = store.ReadInteger("Lanes", "Handles.Zoom", 0);
    s.flagsVisible = store.ReadBool("Flags", "Visible", true);
    s.flagHandlesVisible = store.ReadBool("Flags", "Handles.Visible", true);
    s.leftMasterMeter = store.ReadBool("MasterMeters", "L.Visible", true);
    s.rightMasterMeter = store.ReadBool("MasterMeters", "R.Visible", true);
    return s;
}

void SaveSettings(TWideCustomIniFile& store, const ExitSettings& s) {
    store.WriteBool("Main", "FullScreen", s.fullScreen);
    store.WriteBool("Main", "HandoutShown", true);
    store.WriteString("Main", "EditorialProgram", s.editorialProgram);
    store.WriteInteger("Main", "SelectedInteriorStyle", s.selectedInteriorStyle);
    store.WriteInteger("Main", "SelectedLanguage", s.selectedLanguage);
    store.WriteString("Audio.Out", "BufferMS", s.bufferMsText);
    store.WriteInteger("Audio.Out", "SelectedDevice", s.selectedDevice);
    store.WriteBool("MenuTrigger", "Visible", s.menuTriggerVisible);
    store.WriteBool("Watch", "PeekLanesLoudness", s.watchPeekLanesLoudness);
    store.WriteBool("Watch", "AllowOutOfRange", s.watchAllowOutOfRange);
    store.WriteBool("Watch", "Mode", s.watchSecondMode);
    store.WriteBool("Watch", "Visible", s.watchVisible);
    store.WriteBool("Ruler", "Visible", s.rulerVisible);
    store.WriteBool("Carrier", "Visible", s.carrierVisible);
    store.WriteBool("Carrier", "RoundRobin", s.carrierRoundRobin);
    store.WriteBool("Carrier", "FollowTheLine", s.carrierFollowTheLine);
    store.WriteBool("Slider", "Visible", s.sliderVisible);
    store.WriteBool("Lanes", "Visible", s.lanesVisible);
    store.WriteBool("Lanes", "Meters.Visible", s.laneMetersVisible);
    store.WriteInteger("Lanes", "Handles.Zoom", s.laneHandlesZoom);
    store.WriteBool("Flags", "Visible", s.flagsVisible);
    store.WriteBool("Flags", "Handles.Visible", s.flagHandlesVisible);
    store.WriteBool("MasterMeters", "L.Visible", s.leftMasterMeter);
    store.WriteBool("MasterMeters", "R.Visible", s.rightMasterMeter);
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
        WriteDefaultSettings(*m_store);
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
