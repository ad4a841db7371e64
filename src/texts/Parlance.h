// The language texts and command captions, the language list and the language choice.
// Only the UI thread reads or changes any of this.
#pragma once

#include "texts/TextCounts.h"

#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class TWideCustomIniFile;

// Text n with its first character upper-cased; empty for an empty entry or n outside 1..370.
QString GetText(int n);
// Text n as the language file has it, after expansion; empty outside 1..370.
const QString& Text(int n);
// The menu caption of a command id 1025..1248; empty for other ids.
const QString& CommandCaption(int id);

// The display names and the file codes of the listed languages, parallel by index.
const QStringList& Languages();
const QStringList& LanguageCodes();
// Index of the active language, 0-based.
int SelectedLanguage();

// Words for a Boolean shown to the user (texts 37 and 36).
const QString& BoolWord(bool value);
// The unit names used when a duration is shown in words (texts 280..295): year, years,
// month, months, week, weeks, day, days, hour, hours, minute, minutes, second, seconds,
// millisecond, milliseconds.
const std::array<QString, 16>& DateTimeNames();
// The upper-cased character after the first "&" of caption 1047, else "L".
QChar LanesMenuAccelerator();

// The code of the language that a user of this locale reads: de, fr, ru, uk or en.
QString LanguageCodeForLocale(const QLocale& locale);

// Start-up: reads Main.Languages, Main.LanguageCodes and Main.SelectedLanguage, chooses
// a language by the locale when none is selected, and loads it. dataFolder is the
// folder that holds "parlance/". Faults go to the fault log; the program goes on.
void LoadParlance(const TWideCustomIniFile& settings, const QString& dataFolder,
                  const QLocale& locale = QLocale::system());
// (Re)reads the files of the selected language. On failure the fault is logged, empty
// entries get placeholders and false is returned.
bool SetLanguage();
// Switches to the language at index and tells every listener; false (and nothing
// changes) when index names no listed language.
bool SelectLanguage(int index);
// Fills every empty caption with "Instruction k" and every empty text with "pn".
void FillWithNumbers();
// Called after every language switch so that menus and windows take the new words.
void AddLanguageListener(std::function<void()> listener);
// Empties every table and forgets the listeners (program end; tests).
void FreeParlance();

// The handout text of a language, or empty when it has no handout file.
QString HandoutText(const QString& code);
// The handout text of the selected language, else the English one.
QString SelectedHandoutText();
