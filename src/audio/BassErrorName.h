// Names of the audio engine's error codes, as written in fault lines.
#pragma once

#include <QString>

// "BASS_ERROR_FILEOPEN" for 2, "BASS_OK" for 0, "(failed to get error code)" for unknown codes.
QString BassErrorNameOf(int code);
