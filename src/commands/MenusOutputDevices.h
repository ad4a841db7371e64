// The audio output devices the engine reports, for the output-device menu.
#pragma once

#include "commands/MenusLists.h"

#include <QString>

// Devices 1, 2, ... until the engine reports none; empty while the engine is not loaded.
OutputDeviceList ReadOutputDevices();

// A device as the menu names it: by its name and the sound system that offers it, with the sound
// servers' ALSA devices by the servers' names ("PulseAudio (ALSA)", "system (JACK)").
QString OutputDeviceTitle(const QString& name, const QString& soundSystem);
