// How much of a meter a level fills, for the master peak meters and the lane meters alike.
#pragma once

#include <cstdint>

// The share a level (0 .. 32768) fills: the fourth root, so that quiet sounds still show (32768
// fills it, 2048 half of it). Levels above full scale fill it.
double MeterFill(uint32_t level);
