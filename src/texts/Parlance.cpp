// Tables of the active language, filled from "parlance/" in the data folder.
#include "texts/Parlance.h"

#include "support/FaultLog.h"
#include "support/SettingKeys.h"
#include "texts/CommaText.h"
#include "texts/EscapeLanguage.h"
#include "texts/TextCase.h"
#include "texts/TextFile.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <stdexcept>
#include <vector>

// Faults of this unit are logged under the name the log has always used for it.
#define PARLANCE_FAULT(operation, exception)                                                       \
    ::faultlog::Write("nomenclature", __LINE__,                                                    \
                      std::string(operation) + " was at fault here: " + (exception).what(),        \
                      ::faultlog::CallerAddress())

namespace {

constexpr int kFalseText = 37;
constexpr int kTrueText = 36;
constexpr int kFirstDateTimeName = 280;
constexpr int kLanesMenuId = 1047;
const QString kFallbackCode = "en";

struct ParlanceState {
    std::array<QString, parlance::kTextCount> texts;
    std::array<QString, parlance::kCommandCount> captions;
    QStringList languages;
    QStringList codes;
    int selected = -1;
    QString dataFolder;
    std::array<QString, 16> dateTimeNames;
    QChar lanesAccelerator = u'L';
    std::vector<std::function<void()>> listeners;
};

ParlanceState& state() {
    static ParlanceState s;
    return s;
}

const QString& emptyText() {
    static const QString empty;
    return empty;
}

QString& captionEntry(int id) {
    return state().captions[std::size_t(id - parlance::kFirstCommandId)];
}
QString& textEntry(int n) {
    return state().texts[std::size_t(n - 1)];
}

QString languageFile(const QString& prefix, const QString& code) {
    return QDir(state().dataFolder).filePath("parlance/" + prefix + code + ".txt");
}

// The code of the selected language, empty when the index names none. With no code
// listed at all the English files still load.
QString selectedCode() {
    const ParlanceState& s = state();
    if (s.codes.isEmpty())
        return kFallbackCode;
    if (s.selected < 0 || s.selected >= s.codes.size())
        return QString();
    return s.codes[s.selected];
}

// Line i of the file becomes entry i; entries past the end of the file keep their value.
// Empty lines leave the entry as it was: English, where a translation has no word yet.
template <std::size_t N> void readEntries(const QString& path, std::array<QString, N>& entries) {
    const QStringList lines = SplitLines(ReadWholeText(path));
    const qsizetype count = std::min<qsizetype>(lines.size(), qsizetype(N));
    for (qsizetype i = 0; i < count; ++i)
        if (!lines[i].isEmpty())
            entries[std::size_t(i)] = lines[i];
}

// English under every other language, for what its files lack.
template <std::size_t N>
void readEnglishBeneath(const QString& prefix, const QString& code,
                        std::array<QString, N>& entries) {
    const QString english = languageFile(prefix, kFallbackCode);
    if (code != kFallbackCode && QFile::exists(english))
        readEntries(english, entries);
}

void refreshDerivedTables() {
    ParlanceState& s = state();
    for (std::size_t i = 0; i < s.dateTimeNames.size(); ++i)
        s.dateTimeNames[i] = Text(kFirstDateTimeName + int(i));
}

QChar acceleratorOf(const QString& caption) {
    const qsizetype amp = caption.indexOf(u'&');
    if (amp < 0 || amp + 1 >= caption.size())
        return u'L';
    return ChangeCase(caption[amp + 1], true);
}

} // namespace

QString GetText(int n) {
    return WithFirstUpper(Text(n));
}

const QString& Text(int n) {
    if (n < 1 || n > parlance::kTextCount)
        return emptyText();
    return textEntry(n);
}

const QString& CommandCaption(int id) {
    if (id < parlance::kFirstCommandId || id > parlance::kLastCommandId)
        return emptyText();
    return captionEntry(id);
}

const QStringList& Languages() {
    return state().languages;
}
const QStringList& LanguageCodes() {
    return state().codes;
}
int SelectedLanguage() {
    return state().selected;
}
const QString& BoolWord(bool value) {
    return Text(value ? kTrueText : kFalseText);
}
const std::array<QString, 16>& DateTimeNames() {
    return state().dateTimeNames;
}
QChar LanesMenuAccelerator() {
    return state().lanesAccelerator;
}

QString LanguageCodeForLocale(const QLocale& locale) {
    switch (locale.language()) {
    case QLocale::German:
        return "de";
    case QLocale::French:
        return "fr";
    case QLocale::Russian:
        return "ru";
    case QLocale::Ukrainian:
        return "uk";
    default:
        return kFallbackCode;
    }
}

void LoadParlance(const TWideCustomIniFile& settings, const QString& dataFolder,
                  const QLocale& locale) {
    ParlanceState& s = state();
    try {
        s.dataFolder = dataFolder;
        s.languages = SplitCommaText(ReadSettingText(settings, Setting("Main", "Languages")));
        s.codes = SplitCommaText(ReadSettingText(settings, Setting("Main", "LanguageCodes")));
        s.selected = ReadSettingInt(settings, Setting("Main", "SelectedLanguage"));
        if (s.selected == -1)
            s.selected = int(s.codes.indexOf(LanguageCodeForLocale(locale)));
        if (s.selected < 0 || s.selected >= s.languages.size() || s.selected >= s.codes.size())
            s.selected = 0;
    } catch (const std::exception& e) {
        PARLANCE_FAULT("LoadParlance", e);
    }
    SetLanguage();
}

bool SetLanguage() {
    ParlanceState& s = state();
    try {
        const QString code = selectedCode();
        if (code.isEmpty())
            throw std::runtime_error("no language code at index " + std::to_string(s.selected));
        // Each table read afresh, so that nothing of the language before stays; a table whose
        // file cannot be read keeps what it had.
        decltype(s.captions) captions;
        readEnglishBeneath("instructions_", code, captions);
        readEntries(languageFile("instructions_", code), captions);
        s.captions = std::move(captions);
        decltype(s.texts) texts;
        readEnglishBeneath("nomenclature_", code, texts);
        readEntries(languageFile("nomenclature_", code), texts);
        s.texts = std::move(texts);
        // In place and in ascending order: a lower number arrives already expanded.
        const TextLookup lookup = [](int n) { return textEntry(n); };
        for (QString& text : s.texts)
            text = ExpandReferences(text, lookup);
        for (QString& caption : s.captions)
            caption = ExpandReferences(caption, lookup);
        refreshDerivedTables();
        s.lanesAccelerator = acceleratorOf(captionEntry(kLanesMenuId));
        return true;
    } catch (const std::exception& e) {
        PARLANCE_FAULT("SetLanguage", e);
        FillWithNumbers();
        return false;
    }
}

bool SelectLanguage(int index) {
    ParlanceState& s = state();
    if (index < 0 || index >= s.languages.size() || index >= s.codes.size())
        return false;
    s.selected = index;
    SetLanguage();
    for (const auto& listener : s.listeners)
        listener();
    return true;
}

void FillWithNumbers() {
    ParlanceState& s = state();
    try {
        for (int id = parlance::kFirstCommandId; id <= parlance::kLastCommandId; ++id)
            if (captionEntry(id).isEmpty())
                captionEntry(id) = "Instruction " + QString::number(id - 1024);
        for (int n = 1; n <= parlance::kTextCount; ++n)
            if (textEntry(n).isEmpty())
                textEntry(n) = "p" + QString::number(n);
        refreshDerivedTables();
        s.lanesAccelerator = u'L';
    } catch (const std::exception& e) {
        PARLANCE_FAULT("FillWithNumbers", e);
    }
}

void AddLanguageListener(std::function<void()> listener) {
    state().listeners.push_back(std::move(listener));
}

void FreeParlance() {
    state() = ParlanceState();
}

QString HandoutText(const QString& code) {
    const QString path = languageFile("handout_", code);
    if (!QFile::exists(path))
        return QString();
    try {
        return ReadWholeText(path);
    } catch (const std::exception& e) {
        PARLANCE_FAULT("HandoutText", e);
        return QString();
    }
}

QString SelectedHandoutText() {
    const QString code = selectedCode();
    const QString text = code.isEmpty() ? QString() : HandoutText(code);
    return text.isEmpty() ? HandoutText(kFallbackCode) : text;
}
