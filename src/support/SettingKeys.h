// The keys of the program settings file, each with its fresh-file value and its reader's default.
#pragma once

#include <QString>

#include <cstdint>
#include <string_view>

class TWideCustomIniFile;

struct SettingKey {
    std::string_view section;
    std::string_view key;
    // What a fresh file holds; nullptr: a fresh file leaves the key out.
    const char* fresh;
    // What a reader takes when the key is missing or does not convert, as text. A file setting
    // names its default by a bare name, which the reader looks for in the program folder.
    const char* readerDefault;
};

// Every key, in the order a fresh file lists them.
inline constexpr SettingKey kSettingKeys[] = {
    {"Main", "HandoutShown", "0", "0"},
    {"Main", "FullScreen", "0", "0"},
    {"Main", "EditorialProgram", "", ""},
    {"Main", "EditorialProgramFolder", "", ""},
    {"Main", "Languages", "English,Français,Deutsch,Русский,Українська", ""},
    {"Main", "LanguageCodes", "en,fr,de,ru,uk", ""},
    {"Main", "SelectedLanguage", "-1", "-1"},
    {"Main", "BassFlacDLL", "libgbxaudioflac.so", "libgbxaudioflac.so"},
    {"Main", "RulerFont", "interior/Default/glorinbax-ruler.ttf",
     "interior/Default/glorinbax-ruler.ttf"},
    {"Main", "InteriorStyles", "Default,Cosmic,Veggy", ""},
    {"Main", "InteriorStyles.fr", "\"Par défaut\",Cosmique,Légume", ""},
    {"Main", "InteriorStyles.de", "Voreinstellung,Kosmisch,Gemüse", ""},
    {"Main", "InteriorStyles.ru", "\"По умолчанию\",Космический,Овощной", ""},
    {"Main", "InteriorStyles.uk", "\"За замовчуванням\",Космічний,Овочевий", ""},
    {"Main", "SelectedInteriorStyle", "2", "0"},
    {"Main", "InteriorPadding", "0", "0"},
    {"Main", "BassDLL", nullptr, "libgbxaudio.so"},
    {"Main", "BassMixDLL", nullptr, "libgbxaudiomix.so"},
    {"Main", "MenuIconSize", nullptr, "-1"},
    {"Perpetuator", "BufferBytes", "65536", "65536"},
    {"Perpetuator", "BitsPerElement", "16", "16"},
    {"Perpetuator", "Tracks", "2", "2"},
    {"Perpetuator", "FilePath", "", ""},
    {"Perpetuator", "ExtendedInfoInDialog", "1", "1"},
    {"Perpetuator", "RememberBitsPerElement", "1", "1"},
    {"Perpetuator", "RememberFileName", "1", "0"},
    {"Perpetuator", "RememberFolder", "1", "1"},
    {"Perpetuator", "UsePlanHandle", "0", "0"},
    {"Perpetuator", "MP3.BitRate", "320", "320"},
    {"Perpetuator", "MP3.ElementRate", "0", "0"}, // 0: the plan's own rate
    {"Perpetuator", "MP3.Quality", "2", "2"},
    {"Perpetuator", "Format", "2", "0"},
    {"Perpetuator", "VBR.Method", "0", "0"},
    {"Perpetuator", "VBR.Quality", "5", "5"},
    {"Perpetuator", "VBR.MinBitRate", "0", "0"},
    {"Perpetuator", "EncoderDLL", "libgbxlame.so", "libgbxlame.so"},
    {"Audio.Out", "BufferMS", "500", "1000"},
    {"Audio.Out", "SelectedDevice", "-1", "-1"},
    {"Audio.Out", "FadeInOnStartup", "1", "0"},
    {"Audio.Out", "FadeInStep", "0.005", "0.005"},
    {"Watch", "Visible", "1", "1"},
    {"Watch", "PeekLanesLoudness", "1", "1"},
    {"Watch", "Mode", "0", "0"},
    {"Watch", "AllowOutOfRange", "1", "0"},
    {"Ruler", "Visible", "1", "1"},
    {"Carrier", "Visible", "1", "1"},
    {"Carrier", "RoundRobin", "1", "1"},
    {"Carrier", "FollowTheLine", "1", "1"},
    {"Carrier", "SettleTo", "0", "1"},
    {"Carrier", "SettleToLastRoll", "1", "1"},
    {"Carrier", "RollFrom", "3", "3"},
    {"Carrier", "RollOnStartup", "1", "0"},
    {"Slider", "Visible", "1", "1"},
    {"Lanes", "Visible", "1", "1"},
    {"Lanes", "Meters.Visible", "1", "1"},
    {"Lanes", "Handles.Zoom", "0", "0"},
    {"Flags", "Visible", "1", "1"},
    {"Flags", "Handles.Visible", "1", "1"},
    {"Room", "TimeSegments", "4", "-1"},
    {"Room", "Line.PaintOverLanes", "0", "0"},
    {"Room", "RugVisible", nullptr, "1"},
    {"MasterMeters", "L.Visible", "1", "1"},
    {"MasterMeters", "R.Visible", "1", "1"},
    {"SelectFolder", "Position", "relative", ""},
    {"SelectFolder", "X", "100", "0"},
    {"SelectFolder", "Y", "100", "0"},
    {"Resources", "DefaultFolder", "", ""},
    {"Resources", "CollectInFolder", "", ""},
    {"ProgramRinger", "FilePath", "", ""},
    {"ProgramRinger", "DisplayProgress", "1", "1"},
    {"ProgramRinger", "InPortions", "0", "0"},
    {"Report", "AutoHide", "1", "1"},
    {"MenuTrigger", "Visible", "1", "1"},
    {"GlorinbaxMF", "State", "0", "0"},
};

// The key of the table; a name that is not there does not compile.
consteval const SettingKey& Setting(std::string_view section, std::string_view key) {
    for (const SettingKey& k : kSettingKeys)
        if (k.section == section && k.key == key)
            return k;
    throw "not a key of the program settings";
}

// A key listed twice would have two fresh values and two readers' defaults.
consteval bool EveryKeyOnce() {
    for (const SettingKey& a : kSettingKeys)
        for (const SettingKey& b : kSettingKeys)
            if (&a != &b && a.section == b.section && a.key == b.key)
                return false;
    return true;
}
static_assert(EveryKeyOnce());

// Fills a store with every fresh value, in table order.
void WriteFreshSettings(TWideCustomIniFile& store);

// A key's value, or the reader's default.
bool ReadSettingBool(const TWideCustomIniFile& store, const SettingKey& key);
int32_t ReadSettingInt(const TWideCustomIniFile& store, const SettingKey& key);
double ReadSettingFloat(const TWideCustomIniFile& store, const SettingKey& key);
QString ReadSettingText(const TWideCustomIniFile& store, const SettingKey& key);
// Resources/DefaultFolder, the folder for sound files not found under their names, with "/"
// separators.
QString ReadDefaultResourcesFolder(const TWideCustomIniFile& store);
// A file the settings name, with "/" separators; by default the bare name in the folder.
QString ReadSettingFile(const TWideCustomIniFile& store, const SettingKey& key,
                        const QString& folder);

void WriteSettingBool(TWideCustomIniFile& store, const SettingKey& key, bool value);
void WriteSettingInt(TWideCustomIniFile& store, const SettingKey& key, int32_t value);
void WriteSettingText(TWideCustomIniFile& store, const SettingKey& key, const QString& value);
