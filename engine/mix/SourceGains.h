// The gain from each source channel to each mixer channel.
#pragma once

#include <cstdint>
#include <vector>

namespace gbxaudio {

// How a source's channels reach the mixer's without a matrix (rows = mixer channels, columns =
// source channels): mono to the first two, like channels one to one, extra source channels
// folded round, several channels into mono averaged.
std::vector<float> defaultMatrix(uint32_t inChans, uint32_t outChans);

// gains := volume x matrix; without a matrix, volume x the default mapping with the pan applied
// as a balance to the left (even) and right (odd) mixer channels. Mixing thread: no allocation.
void computeGains(const std::vector<float>& matrix, const std::vector<float>& fallback,
                  bool useMatrix, float volume, float pan, uint32_t inChans, uint32_t outChans,
                  float* gains);

} // namespace gbxaudio
