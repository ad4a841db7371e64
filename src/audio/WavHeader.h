// The 44-byte header of a WAV file: written first with empty sizes, patched once the data is in.
#pragma once

#include <QByteArray>

#include <cstdint>

class QFileDevice;

struct WavFormat {
    uint32_t rate = 44100;
    uint32_t tracks = 2;
    uint32_t bits = 16; // 8 and 16 are integer samples, 32 is float

    uint32_t BlockAlign() const { return tracks * bits / 8; }
};

constexpr int kWavHeaderBytes = 44;

// The header with both size fields 0.
QByteArray WavHeader(const WavFormat& format);

// The most data a WAV file can hold, in whole frames: its size fields are 32 bits wide.
uint64_t WavDataLimit(const WavFormat& format);

// Writes the RIFF size (file size - 8) and the data size into the header at the file's start,
// then returns to the end. False when the file refuses.
bool PatchWavSizes(QFileDevice& file, uint64_t dataBytes);
