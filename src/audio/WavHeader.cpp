// Little-endian WAV header fields.
#include "audio/WavHeader.h"

#include <QFileDevice>
#include <QtEndian>

#include <algorithm>

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatFloat = 3;
constexpr uint32_t kFmtChunkBytes = 16;
// Header bytes counted by the RIFF size: everything after the size field itself.
constexpr uint64_t kRiffOverhead = kWavHeaderBytes - 8;
constexpr qint64 kRiffSizeAt = 4;
constexpr qint64 kDataSizeAt = 40;

void put16(QByteArray& out, uint16_t value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray& out, uint32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

bool writeAt(QFileDevice& file, qint64 at, uint32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    return file.seek(at) && file.write(bytes, 4) == 4;
}

} // namespace

QByteArray WavHeader(const WavFormat& format) {
    QByteArray out;
    out.reserve(kWavHeaderBytes);
    out.append("RIFF");
    put32(out, 0);
    out.append("WAVEfmt ");
    put32(out, kFmtChunkBytes);
    put16(out, format.bits == 32 ? kFormatFloat : kFormatPcm);
    put16(out, static_cast<uint16_t>(format.tracks));
    put32(out, format.rate);
    put32(out, format.rate * format.BlockAlign());
    put16(out, static_cast<uint16_t>(format.BlockAlign()));
    put16(out, static_cast<uint16_t>(format.bits));
    out.append("data");
    put32(out, 0);
    return out;
}

uint64_t WavDataLimit(const WavFormat& format) {
    const uint64_t most = UINT32_MAX - kRiffOverhead;
    const uint64_t frame = std::max<uint64_t>(format.BlockAlign(), 1);
    return most / frame * frame;
}

bool PatchWavSizes(QFileDevice& file, uint64_t dataBytes) {
    const qint64 end = file.pos();
    return writeAt(file, kRiffSizeAt, static_cast<uint32_t>(dataBytes + kRiffOverhead)) &&
           writeAt(file, kDataSizeAt, static_cast<uint32_t>(dataBytes)) && file.seek(end);
}
