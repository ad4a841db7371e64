// Pieces: hues, colours and the effective values they play with.
#include "model/Piece.h"

#include "model/Colour.h"
#include "model/Lanes.h"
#include "model/Resources.h"

#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr std::array<long double, 8> kHueCandidates{20, 200, 220, 240, 260, 280, 300, 40};

int64_t SaturatingMul(int64_t a, int64_t b) {
    int64_t product = 0;
    if (__builtin_mul_overflow(a, b, &product))
        return (a < 0) != (b < 0) ? std::numeric_limits<int64_t>::min()
                                  : std::numeric_limits<int64_t>::max();
    return product;
}

int64_t SaturatingSub(int64_t a, int64_t b) {
    int64_t difference = 0;
    if (__builtin_sub_overflow(a, b, &difference))
        return b < 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
    return difference;
}

} // namespace

TPiece::TPiece(Kind kind, const TTheLanes& lanes, const TPiece* master, TLane* ownerLane,
               long double hue, bool hueAuto)
    : m_kind(kind), m_lanes(lanes), m_master(master), m_ownerLane(ownerLane) {
    if (hue != kHueNotSet)
        SetHue(hue, hueAuto);
    else
        m_colour = PieceColourOfHue(m_hue);
}

void TPiece::SetHue(long double hue, bool automatic) {
    RestoreHue(automatic ? GeneratedHue() : hue, automatic);
}

void TPiece::RestoreHue(long double hue, bool automatic) {
    m_hueAuto = automatic;
    m_hue = hue;
    m_colour = PieceColourOfHue(m_hue);
}

long double TPiece::GeneratedHue() const {
    // Hues that no other lane uses; when all are taken, any but the neighbours' hues.
    std::array<bool, kHueCandidates.size()> used{};
    size_t usedCount = 0;
    for (int i = 0; i < m_lanes.Count() && usedCount < used.size(); ++i) {
        const TLane& lane = m_lanes.At(i);
        if (&lane == m_ownerLane)
            continue;
        for (size_t c = 0; c < kHueCandidates.size(); ++c) {
            if (!used[c] && lane.Piece().Hue() == kHueCandidates[c]) {
                used[c] = true;
                ++usedCount;
            }
        }
    }
    if (usedCount == used.size()) {
        used.fill(false);
        if (m_kind == Kind::Lane) {
            // A lane that is being added takes the place after the last one.
            const int index = m_ownerLane && m_lanes.IndexOf(*m_ownerLane) >= 0
                                  ? m_lanes.IndexOf(*m_ownerLane)
                                  : m_lanes.Count();
            for (int neighbour : {index - 1, index + 1}) {
                if (neighbour < 0 || neighbour >= m_lanes.Count())
                    continue;
                const long double neighbourHue =
                    std::nearbyint(m_lanes.At(neighbour).Piece().Hue());
                for (size_t c = 0; c < kHueCandidates.size(); ++c)
                    used[c] = used[c] || kHueCandidates[c] == neighbourHue;
            }
        }
    }
    std::vector<long double> free;
    for (size_t c = 0; c < kHueCandidates.size(); ++c)
        if (!used[c])
            free.push_back(kHueCandidates[c]);
    return free[QRandomGenerator::global()->bounded(static_cast<quint32>(free.size()))];
}

const TPiece* TPiece::Fallback() const {
    return m_base ? m_base : m_master;
}

Elements TPiece::EffectiveCount(const TFormulaInt64 TPiece::*field) const {
    const int64_t value = (this->*field).Value();
    if (value != kNotSet)
        return {SaturatingMul(value, kSampleByteFactor)};
    const TPiece* fallback = Fallback();
    return fallback ? fallback->EffectiveCount(field) : Elements{kNotSet};
}

Elements TPiece::EffectiveLife() const {
    return EffectiveCount(&TPiece::Life);
}
Elements TPiece::EffectiveResStart() const {
    return EffectiveCount(&TPiece::ResStart);
}
Elements TPiece::EffectiveResEnd() const {
    return EffectiveCount(&TPiece::ResEnd);
}

long double TPiece::EffectiveLoudness() const {
    const long double value = Loudness.Value();
    if (value == kLoudnessNotSet) {
        const TPiece* fallback = Fallback();
        return fallback ? fallback->EffectiveLoudness() : value;
    }
    return m_base ? value * m_base->EffectiveLoudness() : value;
}

long double TPiece::EffectivePan() const {
    const long double value = Pan.Value();
    if (value == kPanNotSet) {
        const TPiece* fallback = Fallback();
        return fallback ? fallback->EffectivePan() : value;
    }
    return m_base ? value + m_base->EffectivePan() : value;
}

TRes* TPiece::EffectiveResource() const {
    if (Resource)
        return Resource;
    return m_base ? m_base->Resource : nullptr;
}

const std::vector<float>& TPiece::EffectiveMatrix() const {
    if (Matrix.empty() && m_base && !m_base->Matrix.empty())
        return m_base->Matrix;
    return Matrix;
}

int32_t TPiece::EffectiveSrcTrack0() const {
    if (SrcTrack0 != -1)
        return SrcTrack0;
    return m_base ? m_base->SrcTrack0 : -1;
}

int32_t TPiece::EffectiveSrcTrack1() const {
    if (SrcTrack1 != -1)
        return SrcTrack1;
    return m_base ? m_base->SrcTrack1 : -1;
}

Elements TPiece::RealLife() const {
    const TPiece& master = MasterPiece();
    const Elements life = EffectiveLife();
    if (master.RoundRobin)
        return life;
    // A life of 0, or one longer than the resource, plays the resource to its end.
    for (const TRes* resource : {Resource, m_base ? m_base->Resource : nullptr}) {
        if (resource && !(life.count != 0 && life.count <= resource->Life))
            return {SaturatingSub(resource->Life, EffectiveResStart().count)};
    }
    return life;
}

void TPiece::ApplySourceTracks() {
    if (SrcTrack0 <= -1 && SrcTrack1 < 0)
        return;
    const TRes* resource = EffectiveResource();
    Matrix.assign(resource ? 2 * static_cast<size_t>(std::max(resource->Tracks, 0)) : 0, 0.0f);
}

void TPiece::SetMatrixCell(int row, float value) {
    // Only the two output rows exist, whatever the resource's track count.
    const TRes* resource = EffectiveResource();
    if (!resource || row < 0 || row > 1)
        return;
    const int32_t column = row == 0 ? EffectiveSrcTrack0() : EffectiveSrcTrack1();
    if (column < 0 || column >= resource->Tracks)
        return;
    const size_t cell = static_cast<size_t>(row) * resource->Tracks + column;
    if (cell < Matrix.size())
        Matrix[cell] = value;
}
