// Byte scales of a render's mixer and its output-pair matrix.
#include "audio/RenderFormat.h"

#include <algorithm>

namespace {

// floor(count x bits x tracks / divisor), exact for every count a plan can hold.
uint64_t scaled(int64_t count, uint32_t bits, uint32_t tracks, uint32_t divisor) {
    if (count <= 0)
        return 0;
    const unsigned __int128 product =
        static_cast<unsigned __int128>(count) * bits * tracks / divisor;
    return product > UINT64_MAX ? UINT64_MAX : static_cast<uint64_t>(product);
}

} // namespace

DWORD RenderFormat::MixerFlags() const {
    DWORD flags = BASS_STREAM_DECODE | BASS_MIXER_END;
    if (bits == 8)
        flags |= BASS_SAMPLE_8BITS;
    else if (bits == 32)
        flags |= BASS_SAMPLE_FLOAT;
    return flags;
}

uint64_t RenderFormat::BytesOfElements(Elements elements) const {
    // 16-bit stereo elements are four bytes a frame: 32 bits.
    return scaled(elements.count, bits, tracks, 32);
}

uint64_t RenderFormat::BytesOfResourceScale(int64_t resourceScale) const {
    // The resource scale counts eight a frame: 64 bits.
    return scaled(resourceScale, bits, tracks, 64);
}

long double RenderFormat::BytesOfSpan(Elements span) const {
    return static_cast<long double>(span.count) * (bits / 8.0L) * (tracks / 4.0L);
}

std::vector<float> PairMatrix(uint32_t tracks, int64_t pairIndex, int32_t sourceTracks) {
    const auto columns = static_cast<uint32_t>(std::max(sourceTracks, 0));
    std::vector<float> matrix(size_t{tracks} * columns, 0.0f);
    const int64_t pairs = tracks / 2;
    if (pairs == 0 || columns == 0)
        return matrix;
    const auto first = static_cast<uint32_t>(2 * (((pairIndex % pairs) + pairs) % pairs));
    const auto set = [&](uint32_t row, uint32_t column) {
        if (row < tracks && column < columns)
            matrix[size_t{row} * columns + column] = 1.0f;
    };
    if (columns <= 2) {
        set(first, 0);
        set(first + 1, columns == 1 ? 0 : 1);
    } else {
        set(first, first);
        if (columns > 3)
            set(first + 1, first + 1);
    }
    return matrix;
}

std::vector<float> MatrixRows(const std::vector<float>& twoRows, int32_t sourceTracks,
                              uint32_t rows) {
    const auto columns = static_cast<size_t>(std::max(sourceTracks, 0));
    std::vector<float> matrix(rows * columns, 0.0f);
    const size_t kept = std::min<size_t>({rows * columns, twoRows.size(), 2 * columns});
    std::copy_n(twoRows.begin(), kept, matrix.begin());
    return matrix;
}
