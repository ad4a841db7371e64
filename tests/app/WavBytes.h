// Sound files the window tests open, made in memory.
#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cstdint>

// A WAV file around 16-bit stereo frames at 44100 frames per second.
inline QByteArray WavOf16BitStereo(const QByteArray& frames) {
    const auto le32 = [](uint32_t v) {
        v = qToLittleEndian(v);
        return QByteArray(reinterpret_cast<const char*>(&v), 4);
    };
    const auto le16 = [](uint16_t v) {
        v = qToLittleEndian(v);
        return QByteArray(reinterpret_cast<const char*>(&v), 2);
    };
    const auto size = static_cast<uint32_t>(frames.size());
    return "RIFF" + le32(36 + size) + "WAVEfmt " + le32(16) + le16(1) + le16(2) + le32(44100) +
           le32(44100 * 4) + le16(4) + le16(16) + "data" + le32(size) + frames;
}
