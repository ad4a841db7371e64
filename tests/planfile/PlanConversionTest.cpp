#include "planfile/PlanConversion.h"
#include "common/TempDir.h"
#include "planfile/BinaryPlanWriter.h"
#include "planfile/PlanBytes.h"
#include "support/FaultLog.h"
#include "support/Report.h"

#include <gtest/gtest.h>

#include <QFile>

#include <sstream>

namespace {

class PlanConversion : public ::testing::Test {
protected:
    PlanConversion() {
        faultlog::SetFolder(dir.path());
        Arrangement arrangement;
        StartFromDefaults(arrangement);
        arrangement.plan.ElementRate.SetText("2*24000");
        arrangement.lanes.Add(0, 220, false).Striked = true;
        arrangement.balls.Add(4, 0, TPiece::kNoOwnHue, false)->Piece().Loudness.SetText("0.5");
        EXPECT_TRUE(SavePlan(arrangement, binaryPath, kFormatBinary, false));
    }

    TempDir dir;
    const QString binaryPath = dir.file("plan.skw");
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(PlanConversion, DumpIsWhatSavingAsTextWrites) {
    ASSERT_EQ(DumpPlan(binaryPath, out, err), 0);
    EXPECT_EQ(err.str(), "");
    ASSERT_EQ(ConvertPlan(binaryPath, dir.file("plan.txt.skw"), "text", err), 0);
    EXPECT_EQ(QByteArray::fromStdString(out.str()), ReadAll(dir.file("plan.txt.skw")));
    EXPECT_TRUE(out.str().find("ElementRate=2*24000\r\n") != std::string::npos);
}

TEST_F(PlanConversion, TextBackToBinaryGivesTheSameBytes) {
    // The binary file was saved before a load derived its End; a load and save fixes it.
    ASSERT_EQ(ConvertPlan(binaryPath, dir.file("once.skw"), "binary", err), 0);
    ASSERT_EQ(ConvertPlan(dir.file("once.skw"), dir.file("text.skw"), "text", err), 0);
    ASSERT_EQ(ConvertPlan(dir.file("text.skw"), dir.file("back.skw"), "binary", err), 0);
    EXPECT_EQ(ReadAll(dir.file("back.skw")), ReadAll(dir.file("once.skw")));
    ASSERT_EQ(ConvertPlan(dir.file("text.skw"), dir.file("balls.skw"), "balls", err), 0);
    EXPECT_EQ(ReadAll(dir.file("balls.skw")), QByteArray("[0]\r\nX=4\r\nY=0\r\nLoudness=0.5\r\n"));
}

TEST_F(PlanConversion, UnreadablePlanFailsAndBadArgumentsAreRefused) {
    EXPECT_EQ(DumpPlan(dir.file("missing.skw"), out, err), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("missing.skw"), std::string::npos);
    EXPECT_EQ(ConvertPlan(dir.file("missing.skw"), dir.file("o.skw"), "text", err), 1);
    EXPECT_FALSE(QFile::exists(dir.file("o.skw")));
    EXPECT_EQ(ConvertPlan(binaryPath, dir.file("o.skw"), "wav", err), 2);
    EXPECT_EQ(ConvertPlan(binaryPath, "", "text", err), 2);
    EXPECT_EQ(ConvertPlan(binaryPath, dir.file("no/folder/o.skw"), "text", err), 1);
}

} // namespace
