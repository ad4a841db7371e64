#include "model/LaneOperations.h"
#include "RecordingHooks.h"
#include "model/Arrangement.h"
#include "model/Colour.h"
#include "model/LaneClipboard.h"
#include "model/LaneEdits.h"
#include "support/ClipboardLine.h"

#include <gtest/gtest.h>

namespace {

// Lanes "a" at row 0 and "b" at row 1 with balls at columns 2 and 5 of each; the plan's range
// is steps 0 .. 7 at the default 11025 elements a step.
class LaneOperationsTest : public ::testing::Test {
protected:
    LaneOperationsTest() {
        arrangement.plan.Start = Elements{0};
        arrangement.plan.End = Elements{8 * 11025};
        a = &addLane(0, "a");
        b = &addLane(1, "b");
        for (int32_t row : {0, 1})
            for (int32_t column : {2, 5})
                arrangement.balls.Add(column, row, TPiece::kNoOwnHue, false);
    }
    TLane& addLane(int32_t position, const char* name) {
        TLane& lane = arrangement.lanes.Add(position, TPiece::kNoOwnHue, true);
        lane.Piece().Handle = QString::fromLatin1(name);
        return lane;
    }
    // The columns of the balls in a row, in list order.
    std::vector<int32_t> columns(int32_t row) const {
        std::vector<int32_t> found;
        for (int i = 0; i < arrangement.balls.Count(); ++i)
            if (arrangement.balls.At(i).Y() == row)
                found.push_back(arrangement.balls.At(i).X());
        return found;
    }

    RecordingAudio audio;
    Arrangement arrangement{audio};
    TLane* a = nullptr;
    TLane* b = nullptr;
};

TEST_F(LaneOperationsTest, RemovalTakesTheBallsUnderOneLockAndTheLaneOnlyWhenAsked) {
    RemoveLane(arrangement, *a, false, kChangeLaneBallsRemoved);
    EXPECT_TRUE(columns(0).empty());
    EXPECT_EQ(arrangement.lanes.AtPosition(0), a);
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeLaneBallsRemoved);
    EXPECT_EQ(audio.stoppedUnlocked, 0);

    arrangement.balls.Add(3, 0, TPiece::kNoOwnHue, false);
    TLane& twin = addLane(0, "twin"); // a second lane on the row waits behind the first
    const TPiece* gone = &a->Piece();
    RemoveLane(arrangement, *a, true, kChangeLaneRemoved);
    EXPECT_EQ(arrangement.lanes.Count(), 2);
    EXPECT_TRUE(columns(0).empty());
    EXPECT_EQ(arrangement.lanes.AtPosition(0), &twin);
    EXPECT_EQ(audio.released.back(), gone); // what the audio side kept for it went first
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeLaneRemoved);
    EXPECT_EQ(columns(1), (std::vector<int32_t>{2, 5}));
    // A ball placed on the row now joins the lane that is left.
    TBall* ball = arrangement.balls.Add(4, 0, TPiece::kNoOwnHue, false);
    EXPECT_EQ(ball->Lane(), &twin);
}

TEST_F(LaneOperationsTest, MovingTradesTwoRowsWithTheirLanesAndBalls) {
    TBall* loose = arrangement.balls.Add(7, -1, TPiece::kNoOwnHue, false); // a row without lane
    ASSERT_TRUE(MoveLane(arrangement, *a, +1));
    EXPECT_EQ(a->Position(), 1);
    EXPECT_EQ(b->Position(), 0);
    EXPECT_EQ(arrangement.lanes.AtPosition(1), a);
    EXPECT_EQ(arrangement.balls.Find(2, 1)->Lane(), a);
    EXPECT_EQ(arrangement.balls.Find(5, 0)->Lane(), b);
    EXPECT_EQ(a->LaneBalls.size(), 2u);
    EXPECT_TRUE(arrangement.plan.Modified());

    ASSERT_TRUE(MoveLane(arrangement, *b, -1)); // up into the row of the loose ball
    EXPECT_EQ(b->Position(), -1);
    EXPECT_EQ(loose->Y(), 0);
    EXPECT_EQ(loose->Lane(), nullptr);
    EXPECT_EQ(arrangement.balls.Find(7, 0), loose);
    EXPECT_EQ(arrangement.balls.Find(2, -1)->Lane(), b);
    EXPECT_EQ(b->LaneBalls.size(), 2u);

    // Not beyond the ball range: nothing moves.
    TLane& edge = addLane(kCellMin, "edge");
    EXPECT_FALSE(MoveLane(arrangement, edge, -1));
    EXPECT_EQ(edge.Position(), kCellMin);
}

TEST_F(LaneOperationsTest, BallsAreLaidOverThePlayRangeAndShiftKeepsTheOldOnes) {
    EXPECT_EQ(LayLaneBalls(arrangement, *a, 4, false), 2);
    EXPECT_EQ(columns(0), (std::vector<int32_t>{0, 4}));
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeBallsLaidOut);

    arrangement.plan.Start = Elements{3 * 11025 - 1}; // step 3 starts inside the range
    EXPECT_EQ(LayLaneBalls(arrangement, *a, 2, true), 3);
    EXPECT_EQ(columns(0), (std::vector<int32_t>{0, 4, 3, 5, 7}));

    bool heads = false;
    EXPECT_EQ(ScatterLaneBalls(arrangement, *b, false, [&heads] { return heads = !heads; }), 3);
    EXPECT_EQ(columns(1), (std::vector<int32_t>{3, 5, 7}));
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeRandomBalls);

    // An empty range lays nothing and, keeping the balls, changes nothing.
    arrangement.plan.End = arrangement.plan.Start;
    arrangement.plan.ClearModified();
    EXPECT_EQ(LayLaneBalls(arrangement, *b, 1, true), 0);
    EXPECT_FALSE(arrangement.plan.Modified());
}

TEST_F(LaneOperationsTest, HuesAreRenewedAndFixedWithTheirChangeCodesOnlyWhenChosenOnesChange) {
    NewLaneHues(arrangement, false);
    EXPECT_FALSE(arrangement.plan.Modified()); // only generated hues went
    FixLaneHue(arrangement, *a);
    EXPECT_FALSE(a->Piece().HueAuto());
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeLaneHueFixed);
    EXPECT_FALSE(FixLaneHue(arrangement, *a));

    const long double chosen = a->Piece().Hue();
    NewLaneHues(arrangement, true); // Shift: the chosen hue stays
    EXPECT_EQ(a->Piece().Hue(), chosen);
    FixLaneHues(arrangement);
    EXPECT_FALSE(b->Piece().HueAuto());
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeLaneHuesFixed);

    NewLaneHue(arrangement, *b);
    EXPECT_TRUE(b->Piece().HueAuto());
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeNewLaneHue);
}

TEST_F(LaneOperationsTest, TheLaneListGoesByRowWithTabsInFull) {
    addLane(-3, "top").Piece().Loudness.SetValue(0.5L);
    EXPECT_EQ(LaneListText(arrangement.lanes, false), "top\r\na\r\nb\r\n");
    const QStringList lines = LaneListText(arrangement.lanes, true).split("\r\n");
    ASSERT_EQ(lines.size(), 5); // heading, three lanes, and the end of the last line
    const QStringList top = lines[1].split('\t');
    ASSERT_EQ(top.size(), 8);
    EXPECT_EQ(top[0], "-3");
    EXPECT_EQ(top[1], "top");
    EXPECT_EQ(top[3], "0.5");
    EXPECT_EQ(lines[2].split('\t').value(7), "2"); // a's balls
}

TEST(ClipboardLineTest, OnlyTheFirstTrimmedLineWithoutControlCharactersIsTaken) {
    EXPECT_EQ(FirstCleanLine("  Snare \r\n[Lane.9]\r\nHANDLE=x"), "Snare");
    EXPECT_EQ(FirstCleanLine("\r\n\tKick\tDrum\x07"), "Kick Drum");
    EXPECT_EQ(FirstCleanLine(" \r\n "), "");
}

TEST_F(LaneOperationsTest, PastesReadTheirTextOrChangeNothing) {
    EXPECT_TRUE(PasteLaneName(arrangement, *a, "Snare\r\n[Lane.9]"));
    EXPECT_EQ(a->Piece().Handle, "Snare");
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeLaneNamePasted);
    EXPECT_FALSE(PasteLaneName(arrangement, *a, "\r\n"));
    EXPECT_EQ(a->Piece().Handle, "Snare");

    a->Piece().Loudness.SetValue(0.8L);
    EXPECT_EQ(LaneLoudnessText(*a), "80");
    EXPECT_TRUE(PasteLaneLoudness(arrangement, *b, " 72.5 "));
    EXPECT_EQ(b->Piece().Loudness.Value(), 72.5L / 100);
    EXPECT_EQ(audio.laneAttributes.back(),
              (std::pair<TLane*, SoundAttribute>{b, SoundAttribute::Loudness}));
    for (const char* refused : {"-5", "loud", "inf", ""})
        EXPECT_FALSE(PasteLaneLoudness(arrangement, *b, refused)) << refused;
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeLaneLoudnessPasted);

    arrangement.lanes.SetHue(*a, false, 200);
    const uint32_t colour = PieceColourOfHue(200);
    EXPECT_EQ(LaneHueText(*a), QString::asprintf("200 #%02X%02X%02X", RedOf(colour),
                                                 GreenOf(colour), BlueOf(colour)));
    EXPECT_TRUE(PasteLaneHue(arrangement, *b, LaneHueText(*a)));
    EXPECT_EQ(b->Piece().Hue(), 200);
    EXPECT_FALSE(b->Piece().HueAuto());
    for (const char* refused : {"360", "-1", "#FF0000"})
        EXPECT_FALSE(PasteLaneHue(arrangement, *b, refused)) << refused;
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeLaneHuePasted);
}

TEST_F(LaneOperationsTest, AnEmptyLaneComesOnlyOnARowWithoutOne) {
    arrangement.balls.Add(1, 4, TPiece::kNoOwnHue, false);
    TLane* lane = AddLaneWithoutSound(arrangement, 4);
    ASSERT_NE(lane, nullptr);
    EXPECT_EQ(lane->Piece().Resource, nullptr);
    EXPECT_EQ(lane->Piece().Loudness.Value(), kNewLaneLoudness);
    EXPECT_EQ(lane->LaneBalls.size(), 1u);
    EXPECT_EQ(arrangement.plan.LastChangeCode(), kChangeLaneAddedEmpty);
    EXPECT_EQ(AddLaneWithoutSound(arrangement, 4), nullptr);
}

} // namespace
