// Fields of the encoder record at their offsets.
#include "audio/EncoderRecord.h"

#include <QtEndian>

namespace {

constexpr int32_t kConfigKindLame = 256;
constexpr int32_t kRecordVersion = 1;
constexpr int32_t kModeJointStereo = 1;
constexpr int32_t kModeMono = 3;
constexpr int32_t kNoPreset = -1;
constexpr int32_t kMpeg1 = 1;
constexpr int32_t kTrue = -1;

} // namespace

EncoderRecordBytes EncoderRecord(const Mp3Settings& settings, int32_t inputRate, uint32_t tracks,
                                 bool vbr) {
    EncoderRecordBytes record{};
    const auto put32 = [&](size_t at, int32_t value) { qToLittleEndian(value, &record[at]); };
    put32(0, kConfigKindLame);
    put32(4, kRecordVersion);
    put32(8, static_cast<int32_t>(kEncoderRecordBytes));
    put32(12, inputRate);
    put32(16, settings.outputRate > 0 ? settings.outputRate : inputRate);
    put32(20, tracks == 1 ? kModeMono : kModeJointStereo);
    put32(24, vbr ? settings.vbrMinBitRate : settings.bitRate);
    put32(28, vbr ? settings.bitRate : 0);
    put32(32, kNoPreset);
    put32(36, kMpeg1);
    // 40 psycho model, 44 emphasis, 48 private bit, 52 CRC: 0.
    put32(56, kTrue); // protected content
    put32(60, kTrue); // home
    // 64 write VBR header: 0.
    put32(68, vbr ? kTrue : 0);
    put32(72, vbr ? settings.vbrQuality : 0);
    // 76 ABR bit rate: 0.
    put32(80, vbr ? settings.vbrMethod : 0);
    // 84 no bit reservoir, 88 strict ISO: 0.
    qToLittleEndian(static_cast<uint16_t>(settings.quality), &record[92]);
    return record;
}
