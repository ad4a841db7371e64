// Sound files the tests open, made in memory.
#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cstdint>

// A WAV file around 16-bit frames of `tracks` samples each, at 44100 frames per second.
inline QByteArray Wav16Bit(uint16_t tracks, const QByteArray& frames) {
    const auto le32 = [](uint32_t v) {
        v = qToLittleEndian(v);
        return QByteArray(reinterpret_cast<const char*>(&v), 4);
    };
    const auto le16 = [](uint16_t v) {
        v = qToLittleEndian(v);
        return QByteArray(reinterpret_cast<const char*>(&v), 2);
    };
    const auto size = static_cast<uint32_t>(frames.size());
    const uint16_t frameBytes = 2 * tracks;
    return "RIFF" + le32(36 + size) + "WAVEfmt " + le32(16) + le16(1) + le16(tracks) + le32(44100) +
           le32(44100 * frameBytes) + le16(frameBytes) + le16(16) + "data" + le32(size) + frames;
}
