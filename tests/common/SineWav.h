// A small sound file for the tests: a tenth of a second of 16-bit sine.
#pragma once

#include "common/WavBytes.h"

#include <cmath>

// 4410 frames at 44100 frames per second, amplitude 8000, the same on every track.
inline QByteArray SineWav(uint16_t tracks) {
    constexpr int kFrames = 4410;
    QByteArray data;
    for (int i = 0; i < kFrames; ++i) {
        const auto sample = qToLittleEndian(static_cast<int16_t>(8000 * std::sin(i * 0.0627)));
        for (int track = 0; track < tracks; ++track)
            data.append(reinterpret_cast<const char*>(&sample), 2);
    }
    return Wav16Bit(tracks, data);
}
