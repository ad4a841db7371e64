// A piece: the sound settings of the plan, a lane or a ball, and how unset values are inherited.
#pragma once

#include "model/Units.h"
#include "support/Formula.h"

#include <QString>

#include <cstdint>
#include <vector>

class TLane;
class TRes;
class TTheLanes;

// Threads: the UI thread changes pieces, holding the mixer lock while the mixer runs; the mixing
// thread reads them (the effective values) under the same lock.
class TPiece {
public:
    enum class Kind { Master, Lane, Ball };

    // Not-set values: such a field falls back to the piece above and is left out of files.
    static constexpr int64_t kNotSet = -1;
    static constexpr long double kLoudnessNotSet = -1.0L;
    static constexpr long double kPanNotSet = -1000.0L;
    static constexpr long double kHueNotSet = -1000.0L;
    // The hue of ball and master pieces: they have no hue of their own.
    static constexpr long double kNoOwnHue = -1.0L;
    // The mixer's sample-byte factor between a piece's numbers and elements.
    static constexpr int64_t kSampleByteFactor = 2;

    // A hue other than kHueNotSet is taken (or generated when automatic) at once. The lane
    // list is where generated hues look for the hues in use; the master piece passes none as
    // master and answers every effective value itself.
    TPiece(Kind kind, const TTheLanes& lanes, const TPiece* master, TLane* ownerLane,
           long double hue, bool hueAuto);
    TPiece(const TPiece&) = delete;
    TPiece& operator=(const TPiece&) = delete;

    Kind PieceKind() const { return m_kind; }

    TFormulaInt64 Life{int64_t{kNotSet}};
    TFormulaInt64 ResStart{int64_t{kNotSet}};
    TFormulaInt64 ResEnd{int64_t{kNotSet}};
    TFormulaExt Loudness{kLoudnessNotSet};
    TFormulaExt Pan{kPanNotSet};
    QString Handle;
    bool RoundRobin = false;
    int32_t SrcTrack0 = -1; // the resource track that feeds the left output
    int32_t SrcTrack1 = -1; // and the right one
    TRes* Resource = nullptr;
    // 2 output rows of the effective resource's track count; row r, column c at r x tracks + c.
    std::vector<float> Matrix;

    long double Hue() const { return m_hue; }
    bool HueAuto() const { return m_hueAuto; }
    uint32_t Colour() const { return m_colour; }
    // Takes the hue, or generates one when automatic, and remakes the colour.
    void SetHue(long double hue, bool automatic);
    // A hue as a file holds it; the colour follows when the owner sets the hue for good.
    void SetHueAsRead(long double hue) { m_hue = hue; }
    // A hue as it was, generated or chosen, with its colour: an edit taken back.
    void RestoreHue(long double hue, bool automatic);

    // A ball's piece points to its lane's piece; lane pieces and the master piece have none.
    const TPiece* BasePiece() const { return m_base; }
    // The lane that owns this piece; none for ball and master pieces.
    TLane* OwnerLane() const { return m_ownerLane; }
    // The plan's master piece (itself for the master).
    const TPiece& MasterPiece() const { return m_master ? *m_master : *this; }
    void SetBasePiece(const TPiece* base) { m_base = base; }

    // Effective values: what the piece plays with after inheriting unset fields from its base
    // piece, or the master piece when it has none. -1 (and the not-set loudness and pan) when no
    // piece of the chain sets the value.
    Elements EffectiveLife() const;
    Elements EffectiveResStart() const;
    Elements EffectiveResEnd() const;
    long double EffectiveLoudness() const;
    long double EffectivePan() const;
    TRes* EffectiveResource() const;
    const std::vector<float>& EffectiveMatrix() const;
    int32_t EffectiveSrcTrack0() const;
    int32_t EffectiveSrcTrack1() const;
    // How long a channel of this piece sounds: the effective life, bounded by what the
    // resources hold after the start inside them; the effective life alone while looping.
    Elements RealLife() const;

    // Sizes the matrix for the effective resource when a source track is set; all cells 0.
    void ApplySourceTracks();
    // Sets the matrix cell of an output row (0 left, 1 right) in the column of its source track,
    // when that column is one of the effective resource's tracks.
    void SetMatrixCell(int row, float value);

private:
    const TPiece* Fallback() const;
    Elements EffectiveCount(const TFormulaInt64 TPiece::*field) const;
    long double GeneratedHue() const;

    Kind m_kind;
    const TTheLanes& m_lanes;
    const TPiece* m_master;
    TLane* m_ownerLane;
    const TPiece* m_base = nullptr;
    long double m_hue = kHueNotSet;
    bool m_hueAuto = false;
    uint32_t m_colour = 0;
};
