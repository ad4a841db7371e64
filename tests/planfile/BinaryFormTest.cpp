#include "planfile/BinaryPlanWriter.h"
#include "planfile/PlanBytes.h"
#include "texts/Parlance.h"

#include <gtest/gtest.h>

namespace {

// The header of a plan reset to the defaults, up to its Section_Piece.
const char* const kDefaultHeader = R"(
    "GLRNBX"
    03 00 04 00 00 00
    04 00 03 00 "120"
    05 00 03 00 "512"
    06 00 02 00 "32"
    07 00 05 00 "44100"
    0A 00 08 00 00 00   0B 00 08 00 00 00
    0C 00 00 00 00 00   0D 00 00 00 00 00
    0E 00 00
    0F 00 03 00 "0.8"
    1E 00)";

// The master piece of the defaults, written whole: Life, Loudness, Pan, ResStart, RoundRobin.
const char* const kDefaultMaster = R"(
    13 00 01 00 "0"
    14 00 03 00 "0.1"
    15 00 01 00 "0"
    16 00 01 00 "0"
    18 00 00)";

QByteArray DefaultPlanBytes() {
    return Bytes(kDefaultHeader) + Bytes(kDefaultMaster);
}

class BinaryForm : public ::testing::Test {
protected:
    BinaryForm() { StartFromDefaults(arrangement); }

    HexView Written() const { return {WriteBinaryPlan(arrangement).bytes}; }

    Arrangement arrangement;
    TThePlan& plan = arrangement.plan;
};

TEST_F(BinaryForm, EmptyPlanIsHeaderAndMasterPiece) {
    EXPECT_EQ(Written(), HexView{DefaultPlanBytes()});
}

TEST_F(BinaryForm, StruckLaneWithChosenHue) {
    TLane& lane = arrangement.lanes.Add(5, 120, false);
    lane.Striked = true;
    arrangement.lanes.Add(6, TPiece::kNoOwnHue, true); // generated: no Hue record
    EXPECT_EQ(Written(), HexView{DefaultPlanBytes() + Bytes(R"(
        02 00   10 00 05 00 00 00   11 00 01   1E 00
        19 00 00 00 00 00 00 00 00 F0 05 40
        02 00   10 00 06 00 00 00   1E 00)")});
}

TEST_F(BinaryForm, BallWithOnlyNotSetValuesIsItsHeadAlone) {
    arrangement.balls.Add(3, -2, TPiece::kNoOwnHue, false);
    EXPECT_EQ(Written(), HexView{DefaultPlanBytes() + Bytes(R"(
        1B 00   1C 00 03 00 00 00   1D 00 FE FF FF FF   1E 00)")});
}

TEST_F(BinaryForm, FormulaTextsAreStoredAsTyped) {
    plan.ElementRate.SetText("2*22050");
    plan.MasterLoudness.SetText("1");
    plan.Start = Elements{-1};
    plan.End = Elements{3000000000};
    plan.ResourcesFolder = QStringLiteral("C:\\Sounds");
    QByteArray expected = Bytes(kDefaultHeader);
    expected.replace(Bytes(R"(07 00 05 00 "44100")"), Bytes(R"(07 00 07 00 "2*22050"
        08 00 FF FF FF FF FF FF FF FF   09 00 00 5E D0 B2 00 00 00 00)"));
    expected.replace(Bytes(R"(0F 00 03 00 "0.8")"), Bytes(R"(20 00 09 00 "C:\Sounds")"));
    EXPECT_EQ(Written(), HexView{expected + Bytes(kDefaultMaster)});

    Arrangement read;
    ASSERT_TRUE(ReadImage(read, Written().bytes));
    EXPECT_EQ(read.plan.ElementRate.Text(), "2*22050");
    EXPECT_EQ(read.plan.ElementRate.Value(), 44100);
    EXPECT_EQ(read.plan.MasterLoudness.Text(), "1");
    EXPECT_EQ(read.plan.End, Elements{3000000000});
    EXPECT_EQ(read.plan.ResourcesFolder, QStringLiteral("C:\\Sounds"));
}

TEST_F(BinaryForm, SparsePiecesWriteWhatIsSetInOrder) {
    TLane& lane = arrangement.lanes.Add(0, TPiece::kHueNotSet, false);
    TPiece& piece = lane.Piece();
    piece.Handle = QStringLiteral("Kick \u20AC");
    piece.Life.SetText("100");
    piece.Loudness.SetText("0.5");
    piece.Pan.SetText("-1");
    piece.ResStart.SetText("2");
    piece.ResEnd.SetText("3");
    piece.RoundRobin = true;
    piece.SrcTrack0 = 1;
    piece.SrcTrack1 = 0;
    piece.Resource = arrangement.resources.FindOrAdd(QStringLiteral("kick.wav"), {});
    const QByteArray bytes = Written().bytes;
    EXPECT_TRUE(bytes.endsWith(Bytes(R"(
        02 00   10 00 00 00 00 00   1E 00
        12 00 06 00 "Kick " 80
        13 00 03 00 "100"   14 00 03 00 "0.5"   15 00 02 00 "-1"
        16 00 01 00 "2"   17 00 01 00 "3"   18 00 01
        21 00 01 00 00 00   22 00 00 00 00 00
        19 00 00 00 00 00 00 00 00 FA 08 C0
        1A 00 08 00 "kick.wav")")))
        << bytes.toHex(' ').toStdString();
}

TEST_F(BinaryForm, RoundTripGivesTheSameBytes) {
    plan.MPH.SetText("140");
    plan.Memory = true;
    arrangement.room.Point.X = -4;
    plan.Master.Handle = QStringLiteral("Groove");
    plan.Master.Resource = arrangement.resources.FindOrAdd(QStringLiteral("pad.flac"), {});
    TLane& lane = arrangement.lanes.Add(1, 300, false);
    lane.Piece().Loudness.SetText("sqrt(2)/2");
    lane.Piece().SrcTrack1 = 1;
    arrangement.lanes.Add(2, 200.25L, false).Striked = true;
    arrangement.lanes.Add(3, TPiece::kNoOwnHue, true); // generated again when read
    TBall* ball = arrangement.balls.Add(7, 1, TPiece::kNoOwnHue, false);
    ball->EditPiece().Pan.SetText("0.25");
    ball->EditPiece().SetHueAsRead(33);
    arrangement.balls.Add(-1999999, 2, TPiece::kNoOwnHue, false);
    const QByteArray first = Written().bytes;

    Arrangement read;
    ASSERT_TRUE(ReadImage(read, first));
    EXPECT_TRUE(read.plan.LoadMessages.isEmpty());
    EXPECT_EQ(read.plan.FileFormat, 4);
    EXPECT_EQ(HexView{WriteBinaryPlan(read).bytes}, HexView{first});
    ASSERT_EQ(read.lanes.Count(), 3);
    EXPECT_FALSE(read.lanes.At(0).Striked);
    EXPECT_TRUE(read.lanes.At(1).Striked);
    EXPECT_EQ(read.lanes.At(1).Piece().Hue(), 200.25L);
    EXPECT_TRUE(read.lanes.At(2).Piece().HueAuto());
    EXPECT_EQ(read.balls.At(0).Lane(), &read.lanes.At(0));
    ASSERT_NE(read.balls.At(0).OwnPiece(), nullptr);
    EXPECT_EQ(read.balls.At(0).OwnPiece()->Pan.Text(), "0.25");
    EXPECT_EQ(read.balls.At(1).OwnPiece(), nullptr) << "a ball with no values of its own";
    EXPECT_EQ(read.plan.Master.Resource, read.resources.Find(QStringLiteral("pad.flac")));
}

TEST_F(BinaryForm, TextsLongerThanACountCanSayAreCutAndNamed) {
    plan.Master.Handle = QString(70000, QLatin1Char('h'));
    const PlanImage image = WriteBinaryPlan(arrangement);
    EXPECT_EQ(image.cutValues, QStringList{QStringLiteral("Handle")});
    EXPECT_TRUE(image.bytes.contains(Bytes("12 00 FF FF")));
    Arrangement read;
    ASSERT_TRUE(ReadImage(read, image.bytes));
    EXPECT_EQ(read.plan.Master.Handle.size(), 65535);
    EXPECT_EQ(read.plan.Master.Resource, nullptr);
}

// Reading

TEST(BinaryReader, ShortAndOddRecordsReadWithoutFault) {
    Arrangement read;
    ASSERT_TRUE(ReadImage(read, Bytes(R"("GLRNBX")"))); // the defaults, and loudness "1"
    EXPECT_EQ(read.plan.FrameResolution.Text(), "512");
    EXPECT_EQ(read.plan.MasterLoudness.Text(), "1");
    ASSERT_TRUE(ReadImage(read, Bytes(R"("GLRNBX" 0E 00 02)")));
    EXPECT_FALSE(read.plan.Memory); // a bool is true only for 01
    ASSERT_TRUE(ReadImage(read, Bytes(R"("GLRNBX" 1E 00 1F 00 14 00 01 00 "1")")));
    EXPECT_EQ(read.plan.Master.Loudness.Value(), 1.0L); // an explicit end tag does nothing

    // Cut files: missing bytes read as 0, texts as far as they go.
    const QByteArray whole = DefaultPlanBytes() + Bytes(R"(
        02 00   10 00 04 00 00 00   1E 00   1B 00   1C 00 09 00 00 00)");
    ASSERT_TRUE(ReadImage(read, whole.left(whole.size() - 3))); // X lost two of its bytes
    EXPECT_EQ(read.lanes.Count(), 1);
    EXPECT_EQ(read.balls.Count(), 0); // no Section_Piece for the ball
    ASSERT_TRUE(ReadImage(read, Bytes(R"("GLRNBX" 04 00 05 00 "12")")));
    EXPECT_EQ(read.plan.MPH.Text(), "12");
    ASSERT_TRUE(ReadImage(read, Bytes(R"("GLRNBX" 08 00 01 02)")));
    EXPECT_EQ(read.plan.Start, Elements{0});
    ASSERT_TRUE(ReadImage(read, Bytes(R"("GLRNBX" 0E 00)")));
    EXPECT_FALSE(read.plan.Memory);
}

TEST(BinaryReader, FaultsStopTheReadKeepWhatCameBeforeAndSayWhere) {
    FillWithNumbers();
    struct Case {
        const char* name;
        const char* records;
        int lanes;
        int balls;
        const char* where;
    };
    const Case cases[] = {
        {"version", R"(03 00 05 00 00 00)", 0, 0, "byte 6 (tag 3)"},
        {"tag 35 in the header", R"(23 00)", 0, 0, "byte 6 (tag 35)"},
        {"lane tag in the header", R"(10 00 01 00 00 00)", 0, 0, "byte 6 (tag 16)"},
        {"tag 16 inside a piece", R"(1E 00 10 00 01 00 00 00)", 0, 0, "byte 8 (tag 16)"},
        {"tag 35 in the lane list", R"(1E 00 02 00 10 00 01 00 00 00 23 00)", 0, 0,
         "byte 16 (tag 35)"},
        // After the fault come bytes that would read as a lane; none may appear.
        {"tag 28 in a lane's piece", R"(1E 00 02 00 1E 00 1C 00 02 00 1E 00)", 1, 0,
         "byte 12 (tag 28)"},
        {"tag 35 between balls", R"(1E 00 1B 00 1E 00 1B 00 23 00 1B 00 1C 00 01 00 00 00 1E 00)",
         0, 1, "byte 14 (tag 35)"},
        {"lane after the balls", R"(1E 00 1B 00 1E 00 02 00 1E 00)", 0, 1, "byte 12 (tag 2)"},
    };
    for (const Case& c : cases) {
        Arrangement read;
        EXPECT_FALSE(ReadImage(read, Bytes(R"("GLRNBX")") + Bytes(c.records))) << c.name;
        EXPECT_EQ(read.lanes.Count(), c.lanes) << c.name;
        EXPECT_EQ(read.balls.Count(), c.balls) << c.name;
        EXPECT_TRUE(read.plan.LoadMessages.contains(QLatin1String(c.where)))
            << c.name << ": " << read.plan.LoadMessages.toStdString();
    }
}

TEST(BinaryReader, HeadValuesCarryOverFromOneLaneAndBallToTheNext) {
    Arrangement read;
    ASSERT_TRUE(ReadImage(read, Bytes(R"("GLRNBX" 1E 00
        02 00 10 00 03 00 00 00 11 00 01 1E 00
        02 00 1E 00
        1B 00 1C 00 04 00 00 00 1D 00 03 00 00 00 1E 00
        1B 00 1D 00 05 00 00 00 1E 00)")));
    ASSERT_EQ(read.lanes.Count(), 2);
    EXPECT_EQ(read.lanes.At(1).Position(), 3);
    EXPECT_TRUE(read.lanes.At(0).Striked);
    EXPECT_FALSE(read.lanes.At(1).Striked); // the struck flag does not carry over
    ASSERT_EQ(read.balls.Count(), 2);
    EXPECT_EQ(read.balls.At(1).X(), 4);
    EXPECT_EQ(read.balls.At(1).Y(), 5);
}

TEST(BinaryReader, DuplicateBallEndsTheBallsWithAMessageButNotTheRead) {
    FillWithNumbers();
    Arrangement read;
    ASSERT_TRUE(ReadImage(read, Bytes(R"("GLRNBX" 1E 00
        1B 00 1C 00 01 00 00 00 1D 00 02 00 00 00 1E 00
        1B 00 1E 00
        1B 00 1C 00 09 00 00 00 1E 00)")));
    EXPECT_EQ(read.balls.Count(), 1);
    EXPECT_EQ(read.plan.LoadMessages, Text(88) + " (" + Text(92) + ": X=1, Y=2)\r\n");
}

TEST(BinaryReader, UnusableTimingLoadsWithItsTextKeptAndAMessage) {
    Arrangement written;
    StartFromDefaults(written);
    written.plan.MPH.SetText("0");
    written.balls.Add(2, 0, TPiece::kNoOwnHue, false);
    const QByteArray image = WriteBinaryPlan(written).bytes;
    Arrangement read;
    EXPECT_TRUE(ReadImage(read, image));
    EXPECT_EQ(read.plan.MPH.Text(), "0");
    EXPECT_EQ(read.plan.ElementsPerStep(), 352800.0L); // the defaults' timing
    EXPECT_EQ(read.balls.At(0).Start(), Elements{2 * 352800});
    EXPECT_TRUE(read.plan.LoadMessages.startsWith("MPH=0"));
    EXPECT_EQ(HexView{WriteBinaryPlan(read).bytes}, HexView{image});
}

} // namespace
