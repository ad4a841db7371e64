#include "planfile/PlanBytes.h"
#include "planfile/TextPlanWriter.h"
#include "texts/Parlance.h"

#include <gtest/gtest.h>

namespace {

const char* const kDefaultMain = "[Main]\r\n"
                                 "FormatVersion=2\r\n"
                                 "MPH=120\r\n"
                                 "FrameResolution=512\r\n"
                                 "Frames=32\r\n"
                                 "ElementRate=44100\r\n"
                                 "OffsetX=8\r\n"
                                 "OffsetY=8\r\n"
                                 "ThePointX=0\r\n"
                                 "ThePointY=0\r\n"
                                 "Memory=0\r\n"
                                 "MasterLoudness=0.8\r\n"
                                 "Life=0\r\n"
                                 "Loudness=0.1\r\n"
                                 "Pan=0\r\n"
                                 "ResStart=0\r\n"
                                 "RoundRobin=0\r\n";

class TextForm : public ::testing::Test {
protected:
    TextForm() { StartFromDefaults(arrangement); }

    QByteArray Written(TextPlanScope scope = TextPlanScope::Whole) const {
        return WriteTextPlan(arrangement, scope).bytes;
    }

    Arrangement arrangement;
    TThePlan& plan = arrangement.plan;
};

TEST_F(TextForm, EmptyPlanIsTheMainSection) {
    EXPECT_EQ(Written(), QByteArray(kDefaultMain));
}

TEST_F(TextForm, StruckLaneAndBallSections) {
    TLane& lane = arrangement.lanes.Add(0, 120, false);
    lane.Striked = true;
    lane.Piece().Handle = QStringLiteral("Bass \u00E9");
    arrangement.lanes.Add(1, TPiece::kNoOwnHue, true);
    TBall* ball = arrangement.balls.Add(3, 0, TPiece::kNoOwnHue, false);
    ball->EditPiece().Loudness.SetText("0,5");
    EXPECT_EQ(Written(), QByteArray(kDefaultMain) +
                             "[Lane.0]\r\nPosition=0\r\nStriked=1\r\nHandle=Bass \xC3\xA9\r\n"
                             "HUE=120\r\n"
                             "[Lane.1]\r\nPosition=1\r\n"
                             "[0]\r\nX=3\r\nY=0\r\nLoudness=0,5\r\n");
    EXPECT_EQ(Written(TextPlanScope::BallsOnly),
              QByteArray("[0]\r\nX=3\r\nY=0\r\nLoudness=0,5\r\n"));
}

TEST_F(TextForm, FormulaTextsHeaderValuesAndLineBreaksInValues) {
    plan.ElementRate.SetText("2*22050");
    plan.MasterLoudness.SetText("1");
    plan.Start = Elements{5};
    plan.End = Elements{3000000000};
    plan.Memory = true;
    plan.ResourcesFolder = QStringLiteral("/home/u/sounds");
    plan.Master.Handle = QStringLiteral("two\r\nlines");
    const QByteArray text = Written();
    EXPECT_TRUE(text.contains("ElementRate=2*22050\r\nStart=5\r\nEnd=3000000000\r\n"));
    EXPECT_TRUE(
        text.contains("Memory=1\r\nResourcesFolder=/home/u/sounds\r\nHandle=two  lines\r\n"));
    EXPECT_FALSE(text.contains("MasterLoudness"));

    Arrangement read;
    ASSERT_TRUE(ReadImage(read, text));
    EXPECT_EQ(read.plan.End, Elements{3000000000});
    EXPECT_EQ(read.plan.ElementRate.Value(), 44100);
    EXPECT_EQ(read.plan.MasterLoudness.Text(), "1");
}

TEST_F(TextForm, RoundTripGivesTheSameBytes) {
    plan.MPH.SetText("90");
    arrangement.room.OffsetX = -3;
    plan.Master.Resource = arrangement.resources.FindOrAdd(QStringLiteral("C:\\x\\pad.wav"), {});
    TLane& lane = arrangement.lanes.Add(4, 300, false);
    lane.Piece().Pan.SetText("-0.5");
    lane.Piece().ResEnd.SetText("44100*2");
    lane.Piece().RoundRobin = true;
    lane.Piece().SrcTrack0 = 1;
    arrangement.lanes.Add(5, 37.5L, false);
    arrangement.lanes.Add(6, TPiece::kNoOwnHue, true); // not written, generated again
    TBall* ball = arrangement.balls.Add(-7, 4, 12.25L, false);
    ball->EditPiece().Life.SetText("100");
    ball->EditPiece().Handle = QStringLiteral("Hit");
    arrangement.balls.Add(9, 5, TPiece::kNoOwnHue, false);
    const QByteArray first = Written();

    Arrangement read;
    ASSERT_TRUE(ReadImage(read, first));
    EXPECT_EQ(read.plan.FileFormat, 2);
    EXPECT_EQ(WriteTextPlan(read, TextPlanScope::Whole).bytes, first);
    EXPECT_EQ(read.balls.At(0).Lane(), &read.lanes.At(0));
    EXPECT_EQ(read.balls.At(0).OwnPiece()->Hue(), 12.25L);
    EXPECT_TRUE(read.lanes.At(2).Piece().HueAuto());
}

TEST(TextReader, MissingKeysTakeTheirDefaults) {
    Arrangement read;
    ASSERT_TRUE(ReadImage(read, "[Main]\r\n[Lane.0]\r\n[7]\r\nX=1\r\n"));
    EXPECT_EQ(read.plan.FrameResolution.Text(), "16");
    EXPECT_EQ(read.plan.MasterLoudness.Text(), "1");
    EXPECT_EQ(read.room.OffsetX, 0);
    EXPECT_EQ(read.plan.Master.Loudness.Value(), 0.1L); // the master piece gets concrete values
    EXPECT_EQ(read.plan.Master.Pan.Value(), 0.0L);
    EXPECT_EQ(read.plan.Master.Life.Value(), 0);
    EXPECT_EQ(read.plan.Master.ResEnd.Value(), -1);
    ASSERT_EQ(read.lanes.Count(), 1);
    EXPECT_EQ(read.lanes.At(0).Position(), -1);
    EXPECT_EQ(read.balls.At(0).X(), 1);
    EXPECT_EQ(read.balls.At(0).OwnPiece(), nullptr) << "a ball with no values of its own";
}

TEST(TextReader, FirstSpellingOfAKeyWinsInALongMainSection) {
    Arrangement read;
    ASSERT_TRUE(ReadImage(read, QByteArray(kDefaultMain) + "offsetx=3\r\nMph=90\r\nExtra=1\r\n"));
    EXPECT_EQ(read.room.OffsetX, 8);
    EXPECT_EQ(read.plan.MPH.Text(), "120");
}

TEST(TextReader, RefusedBallEndsTheBallsButNotTheLanes) {
    FillWithNumbers();
    Arrangement read;
    EXPECT_FALSE(ReadImage(read, "[Main]\r\n[a]\r\nX=1\r\n[b]\r\nX=1\r\n[c]\r\nX=2\r\n"
                                 "[Lane.0]\r\nPosition=3\r\n"));
    EXPECT_EQ(read.balls.Count(), 1);
    EXPECT_EQ(read.lanes.Count(), 1);
    EXPECT_EQ(read.plan.LoadMessages,
              Text(88) + " (" + Text(90) + ": b, " + Text(92) + ": X=1, Y=0)\r\n");
}

TEST(TextReader, VersionOneListsSoundFilesAsLanes) {
    Arrangement read;
    ASSERT_TRUE(ReadImage(read, "[Main]\r\nFormatVersion=1\r\nMPH=100\r\n[Resources]\r\n"
                                "C:\\Samples\\kick.wav\r\n/tmp/snare.drum.flac\r\nhat.wav\r\n"));
    EXPECT_EQ(read.plan.FileFormat, 3);
    EXPECT_EQ(read.plan.MPH.Value(), 100);
    ASSERT_EQ(read.lanes.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        const TLane& lane = read.lanes.At(i);
        EXPECT_EQ(lane.Position(), i);
        EXPECT_EQ(lane.Piece().ResEnd.Text(), "1000");
        EXPECT_EQ(lane.Piece().Loudness.Value(), 1.0L);
        EXPECT_TRUE(lane.Piece().HueAuto());
    }
    EXPECT_EQ(read.lanes.At(0).Piece().Handle, QStringLiteral("kick"));
    EXPECT_EQ(read.lanes.At(1).Piece().Handle, QStringLiteral("snare.drum"));
    EXPECT_EQ(read.lanes.At(0).Piece().Resource->Name, QStringLiteral("C:\\Samples\\kick.wav"));
    // A version 1 plan is saved as version 2.
    EXPECT_TRUE(
        PlanImageFor(read, read.plan.FileFormat)->bytes.startsWith("[Main]\r\nFormatVersion=2"));
}

TEST(TextReader, OldestFormIsBallsWithTheDefaults) {
    FillWithNumbers();
    Arrangement read;
    EXPECT_FALSE(ReadImage(read, "[x]\nX=4\nY=1\nHUE=90\n[y]\nX=4\nY=1\n[z]\nX=5\n"));
    EXPECT_EQ(read.plan.FileFormat, 0);
    EXPECT_EQ(read.plan.MasterLoudness.Text(), "0.8");
    ASSERT_EQ(read.balls.Count(), 1);
    ASSERT_NE(read.balls.At(0).OwnPiece(), nullptr);
    EXPECT_EQ(read.balls.At(0).OwnPiece()->Hue(), 90.0L);
    EXPECT_TRUE(read.plan.LoadMessages.contains(": y, "));
    // Text with neither a main section nor a ball's key is no plan and is not read.
    for (const char* text : {"just words", "[x]\nColour=red\n", "X=4\n[y]\n"}) {
        read.balls.RemoveAll(false);
        EXPECT_EQ(ReadPlanImage(read, text, PlanReadContext{}), ImageReading::NotAPlan) << text;
        EXPECT_EQ(read.balls.Count(), 0);
    }
}

} // namespace
