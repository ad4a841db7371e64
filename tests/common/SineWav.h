// A small sound file for the tests: a tenth of a second of 16-bit sine.
#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cmath>
#include <cstdint>

// 4410 frames at 44100 frames per second, amplitude 8000, the same on every track.
inline QByteArray SineWav(uint16_t tracks) {
    constexpr int kFrames = 4410;
    QByteArray data;
    for (int i = 0; i < kFrames; ++i) {
        const auto sample = qToLittleEndian(static_cast<int16_t>(8000 * std::sin(i * 0.0627)));
        for (int track = 0; track < tracks; ++track)
            data.append(reinterpret_cast<const char*>(&sample), 2);
    }
    const auto le32 = [](uint32_t v) {
        v = qToLittleEndian(v);
        return QByteArray(reinterpret_cast<const char*>(&v), 4);
    };
    const auto le16 = [](uint16_t v) {
        v = qToLittleEndian(v);
        return QByteArray(reinterpret_cast<const char*>(&v), 2);
    };
    const uint16_t frameBytes = 2 * tracks;
    return "RIFF" + le32(36 + data.size()) + "WAVEfmt " + le32(16) + le16(1) + le16(tracks) +
           le32(44100) + le32(44100 * frameBytes) + le16(frameBytes) + le16(16) + "data" +
           le32(data.size()) + data;
}
