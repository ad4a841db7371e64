// Writes a demo sound as a 16-bit stereo WAV file at the synthesis rate.
#pragma once

#include "demogen/Synth.h"

#include <QString>

// The fault's text, empty on success.
QString WriteWav16(const QString& path, const StereoSound& sound);
