// Checks an encoder record and hands its settings to a libmp3lame encoder.
#pragma once

#include "gbxlame.h"

#include <lame/lame.h>

// Applies `config` to a fresh `lame` (before lame_init_params) and gives the input channel
// count. Returns GBXLAME_OK, GBXLAME_BAD_RECORD or GBXLAME_BAD_SETTING.
uint32_t applyLameSettings(lame_t lame, const GbxLameConfig& config, int& channels);
