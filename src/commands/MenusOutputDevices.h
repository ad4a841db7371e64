// The audio output devices the engine reports, for the output-device menu.
#pragma once

#include "commands/MenusLists.h"

// Devices 1, 2, ... until the engine reports none; empty while the engine is not loaded.
OutputDeviceList ReadOutputDevices();
