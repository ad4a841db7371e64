// A render's sample format: how its mixer counts bytes, and which output pair a lane feeds when
// the file has more tracks than two sides.
#pragma once

#include "gbxaudio.h"
#include "model/Units.h"

#include <cstdint>
#include <vector>

struct RenderFormat {
    uint32_t bits = 16; // 8, 16 or 32 (float)
    uint32_t tracks = 2;

    uint32_t FrameBytes() const { return bits / 8 * tracks; }
    // A decoding mixer that ends when its last source does, in this format.
    DWORD MixerFlags() const;
    // Whether sources enter through the output-pair matrix rather than the pan.
    bool UsesPairs() const { return tracks > 3; }

    // Elements (four a frame) and the resource scale (eight a frame) in the mixer's bytes,
    // rounded down; negative counts give 0.
    uint64_t BytesOfElements(Elements elements) const;
    uint64_t BytesOfResourceScale(int64_t resourceScale) const;
    // The mixer's bytes for a span of the plan; 0 or less for an empty or reversed span.
    long double BytesOfSpan(Elements span) const;
};

// Tracks x source tracks (row-major) that put a source into output pair `pairIndex` taken round
// the file's pairs (tracks / 2, negative indexes too): one or two source tracks go to the pair's
// two tracks; a source of three or more sends its track p (and p + 1 when it has more than three)
// to output p, where p is the pair's first track, and sends nothing when it has no such track.
std::vector<float> PairMatrix(uint32_t tracks, int64_t pairIndex, int32_t sourceTracks);

// A pan matrix of two output rows cut or widened to `rows` rows; the added rows are silent.
std::vector<float> MatrixRows(const std::vector<float>& twoRows, int32_t sourceTracks,
                              uint32_t rows);
