// The configuration record an MP3 encoder library with the Blade entry points takes: 331 bytes,
// byte-packed, little-endian, zero-filled.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// Settings of section "Perpetuator" that shape an MP3.
struct Mp3Settings {
    int32_t bitRate = 320;     // MP3.BitRate, kbit/s: the constant rate, or the VBR maximum
    int32_t outputRate = 0;    // MP3.ElementRate; 0: the plan's ElementRate
    int32_t quality = 2;       // MP3.Quality
    int32_t vbrMinBitRate = 0; // VBR.MinBitRate
    int32_t vbrQuality = 5;    // VBR.Quality
    int32_t vbrMethod = 0;     // VBR.Method
};

constexpr std::size_t kEncoderRecordBytes = 331;
using EncoderRecordBytes = std::array<uint8_t, kEncoderRecordBytes>;

// The record for `tracks` tracks (1: mono, else joint stereo) of 16-bit PCM at `inputRate`, at a
// constant or a variable bit rate.
EncoderRecordBytes EncoderRecord(const Mp3Settings& settings, int32_t inputRate, uint32_t tracks,
                                 bool vbr);
