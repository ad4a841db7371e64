// Reading and writing the program settings by the keys of the table.
#include "support/SettingKeys.h"

#include "support/PathText.h"
#include "support/WideMemIniFile.h"

namespace {

QString section(const SettingKey& key) {
    return QString::fromLatin1(key.section.data(), qsizetype(key.section.size()));
}

QString name(const SettingKey& key) {
    return QString::fromLatin1(key.key.data(), qsizetype(key.key.size()));
}

QString readerDefault(const SettingKey& key) {
    return QString::fromUtf8(key.readerDefault);
}

} // namespace

void WriteFreshSettings(TWideCustomIniFile& store) {
    for (const SettingKey& key : kSettingKeys)
        if (key.fresh)
            store.WriteString(section(key), name(key), QString::fromUtf8(key.fresh));
}

bool ReadSettingBool(const TWideCustomIniFile& store, const SettingKey& key) {
    return store.ReadBool(section(key), name(key), readerDefault(key).toInt() != 0);
}

int32_t ReadSettingInt(const TWideCustomIniFile& store, const SettingKey& key) {
    return store.ReadInteger(section(key), name(key), readerDefault(key).toInt());
}

double ReadSettingFloat(const TWideCustomIniFile& store, const SettingKey& key) {
    return store.ReadFloat(section(key), name(key), readerDefault(key).toDouble());
}

QString ReadSettingText(const TWideCustomIniFile& store, const SettingKey& key) {
    return store.ReadString(section(key), name(key), readerDefault(key));
}

QString ReadDefaultResourcesFolder(const TWideCustomIniFile& store) {
    return ToLinuxSeparators(ReadSettingText(store, Setting("Resources", "DefaultFolder")));
}

QString ReadSettingFile(const TWideCustomIniFile& store, const SettingKey& key,
                        const QString& folder) {
    return ToLinuxSeparators(
        store.ReadString(section(key), name(key), folder + readerDefault(key)));
}

void WriteSettingBool(TWideCustomIniFile& store, const SettingKey& key, bool value) {
    store.WriteBool(section(key), name(key), value);
}

void WriteSettingInt(TWideCustomIniFile& store, const SettingKey& key, int32_t value) {
    store.WriteInteger(section(key), name(key), value);
}

void WriteSettingText(TWideCustomIniFile& store, const SettingKey& key, const QString& value) {
    store.WriteString(section(key), name(key), value);
}
