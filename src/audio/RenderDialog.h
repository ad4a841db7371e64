// The save dialog of the render command: its filter list and what the chosen entry renders.
// The MP3 entries come first, so that entries 1 and 2 are MP3 (constant and variable bit rate)
// and 3, 4, 5 are WAV of 8, 16 and 32 bits, as the stored Format and bits expect; FLAC of 16 and
// 24 bits and Ogg Vorbis follow as 6, 7 and 8.
#pragma once

#include "audio/Perpetuator.h"

#include <QString>

#include <cstdint>
#include <optional>

struct RenderChoice {
    RenderOutput output = RenderOutput::Wav;
    uint32_t bits = 16;
};

// The filter in the dialog's "Description|*.ext|" form. With the extended information each entry
// names the rate and the tracks (an MP3 has one or two) and the MP3 entries the bit rate.
QString RenderFilter(bool extendedInfo, int32_t elementRate, uint32_t tracks, int32_t mp3BitRate);
// The entry (1-based) to preselect for the stored Format (1, 2: MP3; 3: FLAC; 4: Vorbis) and bits.
int RenderFilterIndex(int32_t format, int32_t bits);
// What the chosen entry renders, and the Format to store for it (0 WAV, 1 MP3, 2 MP3 VBR, 3 FLAC,
// 4 Ogg Vorbis).
RenderChoice RenderChoiceOf(int filterIndex);
int32_t StoredFormat(RenderOutput output);

// The extension (without the dot) of an output's files.
QString RenderExtension(RenderOutput output);
// The output a file name's extension names (wav, mp3, flac, ogg, any case); none for another.
std::optional<RenderOutput> RenderOutputOfFile(const QString& fileName);
// What the dialog's answer renders: the chosen entry's output, unless the name's own extension
// names another one (then that output at 16 bits); a name without such an extension gets the
// entry's appended, so that the file always says what it holds.
RenderChoice RenderChoiceForFile(int filterIndex, QString& fileName);
