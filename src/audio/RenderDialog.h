// The save dialog of the render command: its filter list and what the chosen entry renders.
// The MP3 entries come first, so that entries 1 and 2 are MP3 (constant and variable bit rate)
// and 3, 4, 5 are WAV of 8, 16 and 32 bits, as the stored Format and bits expect.
#pragma once

#include "audio/Perpetuator.h"

#include <QString>

#include <cstdint>

struct RenderChoice {
    RenderOutput output = RenderOutput::Wav;
    uint32_t bits = 16;
};

// The filter in the dialog's "Description|*.ext|" form. With the extended information each entry
// names the rate and the tracks (an MP3 has one or two) and the MP3 entries the bit rate.
QString RenderFilter(bool extendedInfo, int32_t elementRate, uint32_t tracks, int32_t mp3BitRate);
// The entry (1-based) to preselect for the stored Format (1, 2: MP3) and bits.
int RenderFilterIndex(int32_t format, int32_t bits);
// What the chosen entry renders, and the Format to store for it (0 WAV, 1 MP3, 2 MP3 VBR).
RenderChoice RenderChoiceOf(int filterIndex);
int32_t StoredFormat(RenderOutput output);
