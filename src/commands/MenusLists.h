// The numbered list menus: interior styles, languages and output devices.
#pragma once

#include "commands/MenusItems.h"

#include <QString>
#include <QStringList>

#include <vector>

class QMenu;
class TWideCustomIniFile;

// One of the system's audio output devices, numbered from 1 as the audio library counts them.
struct OutputDevice {
    int number = 0;
    QString name;
};
struct OutputDeviceList {
    std::vector<OutputDevice> devices; // the system's default device left out
    int firstMissing = 1;              // the first number the library did not report
};

// The style names shown for a language: Main.InteriorStyles.<code>, else Main.InteriorStyles.
QStringList StyleNamesFor(const TWideCustomIniFile& settings, const QString& languageCode);

// Items 1..N; the selected index ticked.
void FillStyleMenu(QMenu& menu, const QStringList& names, int selected, const MenuIcons& icons);
// Items 225.. with the display names.
void FillLanguageMenu(QMenu& menu, const QStringList& languages);
// The default device, no sound, then each device k with id languageBase + k; the selected
// device ticked.
void FillOutputDeviceMenu(QMenu& menu, int languageBase, const OutputDeviceList& list,
                          int selectedDevice, const MenuIcons& icons);
// Ticks the item of one device (-1 default, 0 no sound, k a device) and unticks the rest.
void TickOutputDevice(const QMenu& menu, int languageBase, int device, const MenuIcons& icons);
// Ticks the style at index and unticks the rest.
void TickStyle(const QMenu& menu, int index, const MenuIcons& icons);
