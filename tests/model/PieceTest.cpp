#include "model/Arrangement.h"
#include "model/Colour.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

namespace {

class PieceTest : public ::testing::Test {
protected:
    PieceTest() {
        TPiece& master = arrangement.plan.Master;
        master.Loudness.SetValue(0.8L);
        master.Pan.SetValue(0.0L);
        master.Life.SetValue(int64_t{0});
        master.ResStart.SetValue(int64_t{0});
    }

    Arrangement arrangement;
    TLane& lane = arrangement.lanes.Add(0, 20, false);
    TPiece& lanePiece = lane.Piece();
    TPiece& piece = arrangement.balls.Add(0, 0, TPiece::kNoOwnHue, false)->EditPiece();
};

TEST_F(PieceTest, LoudnessMultipliesAndPanAddsUpToTheLaneOnly) {
    lanePiece.Loudness.SetText("0.5");
    piece.Loudness.SetText("0.5");
    EXPECT_EQ(piece.EffectiveLoudness(), 0.25L);
    lanePiece.Loudness.SetText("-1");
    piece.Loudness.SetText("-1");
    EXPECT_EQ(piece.EffectiveLoudness(), 0.8L);
    lanePiece.Pan.SetText("0.25");
    piece.Pan.SetText("-0.5");
    EXPECT_EQ(piece.EffectivePan(), -0.25L);
}

TEST_F(PieceTest, CountsInheritAndScaleToElements) {
    EXPECT_EQ(piece.EffectiveLife(), Elements{0}); // the master's
    lanePiece.Life.SetText("100");
    EXPECT_EQ(piece.EffectiveLife(), Elements{200});
    piece.ResStart.SetText("7");
    EXPECT_EQ(piece.EffectiveResStart(), Elements{14});
    piece.Life.SetText("9e18");
    EXPECT_EQ(piece.EffectiveLife().count, std::numeric_limits<int64_t>::max());
}

TEST_F(PieceTest, MasterAnswersForItselfWhereNothingIsSet) {
    // The master's ResEnd is never set; asking for it must not recurse.
    EXPECT_EQ(arrangement.plan.Master.EffectiveResEnd(), Elements{-1});
    EXPECT_EQ(piece.EffectiveResEnd(), Elements{-1});
    TBall* loose = arrangement.balls.Add(5, 9, TPiece::kNoOwnHue, false);
    EXPECT_EQ(loose->Values().EffectiveLoudness(), 0.8L);
}

TEST_F(PieceTest, RealLifeIsBoundedByTheResource) {
    TRes* sound = arrangement.resources.FindOrAdd("snare.wav", {});
    sound->Life = 1000;
    lanePiece.Resource = sound;
    lanePiece.ResStart.SetText("50");
    piece.Life.SetText("200");
    EXPECT_EQ(piece.RealLife(), Elements{400}); // fits inside the resource
    piece.Life.SetText("600");
    EXPECT_EQ(piece.RealLife(), Elements{1000 - 100});
    piece.Life.SetText("0");
    EXPECT_EQ(piece.RealLife(), Elements{900}); // 0 plays to the end
    arrangement.plan.Master.RoundRobin = true;
    EXPECT_EQ(piece.RealLife(), Elements{0});
}

TEST_F(PieceTest, ResourceSourceTracksAndMatrixComeFromOneLevelUp) {
    TRes* sound = arrangement.resources.FindOrAdd("multi.wav", {});
    EXPECT_EQ(arrangement.resources.FindOrAdd("multi.wav", {}), sound);
    sound->Tracks = 4;
    lanePiece.Resource = sound;
    lanePiece.SrcTrack1 = 3;
    piece.SrcTrack0 = 2;
    EXPECT_EQ(piece.EffectiveResource(), sound);
    EXPECT_EQ(piece.EffectiveSrcTrack1(), 3);
    EXPECT_EQ(arrangement.plan.Master.EffectiveResource(), nullptr);
    piece.ApplySourceTracks();
    piece.SetMatrixCell(0, 1.0f);
    piece.SetMatrixCell(1, 0.5f);
    piece.SetMatrixCell(4, 9.0f); // no such output row
    EXPECT_EQ(piece.Matrix, (std::vector<float>{0, 0, 1.0f, 0, 0, 0, 0, 0.5f}));
    piece.SrcTrack1 = 9; // outside the resource: nothing is written out of bounds
    piece.SetMatrixCell(1, 2.0f);
    EXPECT_EQ(piece.Matrix[7], 0.5f);
}

TEST(PieceColour, HsvSectorsAndOddHues) {
    EXPECT_EQ(PieceColourOfHue(0), RgbColour(255, 85, 85));
    EXPECT_EQ(PieceColourOfHue(30), RgbColour(255, 170, 85));
    EXPECT_EQ(PieceColourOfHue(60), RgbColour(255, 255, 85));
    EXPECT_EQ(PieceColourOfHue(120), RgbColour(85, 255, 85));
    EXPECT_EQ(PieceColourOfHue(240), RgbColour(85, 85, 255));
    EXPECT_EQ(HsvColour(123, 0, 1), RgbColour(255, 255, 255));
    for (long double hue : {-1.0L, -1000.0L, 1e30L, std::numeric_limits<long double>::quiet_NaN()})
        EXPECT_LE(PieceColourOfHue(hue), 0xFFFFFFu) << static_cast<double>(hue);
}

TEST(HueGeneration, FreeCandidatesFirstThenAnyButTheNeighbours) {
    Arrangement arrangement;
    TTheLanes& lanes = arrangement.lanes;
    const std::set<long double> candidates{20, 200, 220, 240, 260, 280, 300, 40};
    std::set<long double> taken;
    for (int i = 0; i < 8; ++i) {
        const TPiece& piece = lanes.Add(i, TPiece::kNoOwnHue, true).Piece();
        EXPECT_TRUE(piece.HueAuto());
        EXPECT_TRUE(candidates.count(piece.Hue()));
        EXPECT_TRUE(taken.insert(piece.Hue()).second) << "hue given twice";
        EXPECT_EQ(piece.Colour(), PieceColourOfHue(piece.Hue()));
    }
    for (int round = 0; round < 100; ++round) {
        const TLane& added = lanes.Add(100 + round, TPiece::kNoOwnHue, true);
        EXPECT_NE(added.Piece().Hue(), lanes.At(lanes.Count() - 2).Piece().Hue());
    }
    TLane& middle = lanes.At(3);
    const long double before = lanes.At(2).Piece().Hue();
    const long double after = lanes.At(4).Piece().Hue();
    for (int round = 0; round < 100; ++round) {
        lanes.SetHue(middle, true, 0);
        EXPECT_NE(middle.Piece().Hue(), before);
        EXPECT_NE(middle.Piece().Hue(), after);
    }
}

} // namespace
