// Opening and measuring sound resources, and the decoding streams channels play them through.
#pragma once

#include "gbxaudio.h"

#include <QString>

#include <cstdint>

class TRes;

// Decoding streams deliver float samples: a frame of T tracks is 4 x T bytes.
constexpr DWORD kSourceStreamFlags =
    BASS_UNICODE | BASS_STREAM_DECODE | BASS_STREAM_PRESCAN | BASS_SAMPLE_FLOAT;

// Where the first Ogg page ("OggS") starts in a ".mogg" file, read in blocks of 4096 bytes; a
// page that straddles two blocks is found too. 0 when there is none or the file cannot be read.
int64_t FindOggPage(const QString& path);

// Opens a resource that was just added: its data offset, its memory image when the plan holds
// sounds in memory, then its measurement. UI thread only.
void OpenResource(TRes& resource, bool inMemory, int32_t elementRate);

// Reads the resource's facts from a decoding stream of it: sample bytes, rate, tracks, and its
// Life = floor(bytes / RateRatio) x 2 / Tracks on the mix scale. Faults leave Life -1.
void MeasureResource(TRes& resource, int32_t elementRate);

// A new decoding stream of the resource, or 0 with a report line. Any thread; the engine's
// cache holds the decoded sound of a measured resource, so this opens no file on the way.
DWORD CreateResourceStream(const TRes& resource);
