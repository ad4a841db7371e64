#include "planfile/PlanConversion.h"
#include "common/TempDir.h"
#include "planfile/BinaryPlanWriter.h"
#include "planfile/PlanBytes.h"
#include "support/FaultLog.h"

#include <gtest/gtest.h>

namespace {

class PlanConversion : public ::testing::Test {
protected:
    PlanConversion() {
        faultlog::SetFolder(dir.path());
        Arrangement arrangement;
        StartFromDefaults(arrangement);
        arrangement.plan.ElementRate.SetText("2*24000");
        arrangement.lanes.Add(0, 220, false).Striked = true;
        arrangement.balls.Add(4, 0, TPiece::kNoOwnHue, false)->EditPiece().Loudness.SetText("0.5");
        EXPECT_TRUE(SavePlan(arrangement, binaryPath, kFormatBinary, false));
    }
    // Converts one file into another, as --convert does.
    void convert(const QString& from, const QString& to, int32_t format) {
        const ConvertedPlan converted = ConvertPlanFile(from, format);
        ASSERT_TRUE(converted.loaded) << converted.loadMessages.toStdString();
        ASSERT_EQ(WriteFileReplacing(to, converted.image.bytes), QString());
    }

    TempDir dir;
    const QString binaryPath = dir.file("plan.skw");
};

TEST_F(PlanConversion, TheTextFormIsWhatSavingAsTextWrites) {
    const ConvertedPlan converted = ConvertPlanFile(binaryPath, kFormatText);
    ASSERT_TRUE(converted.loaded);
    EXPECT_EQ(converted.loadMessages, QString());
    Arrangement loaded;
    loaded.plan.FileName = binaryPath;
    ASSERT_TRUE(LoadPlan(loaded, binaryPath, {}));
    ASSERT_TRUE(SavePlan(loaded, dir.file("saved.skw"), kFormatText, false));
    EXPECT_EQ(converted.image.bytes, ReadAll(dir.file("saved.skw")));
    EXPECT_TRUE(converted.image.bytes.contains("ElementRate=2*24000\r\n"));
}

TEST_F(PlanConversion, TextBackToBinaryGivesTheSameBytes) {
    // The binary file was saved before a load derived its End; a load and save fixes it.
    convert(binaryPath, dir.file("once.skw"), kFormatBinary);
    convert(dir.file("once.skw"), dir.file("text.skw"), kFormatText);
    convert(dir.file("text.skw"), dir.file("back.skw"), kFormatBinary);
    EXPECT_EQ(ReadAll(dir.file("back.skw")), ReadAll(dir.file("once.skw")));
    convert(dir.file("text.skw"), dir.file("balls.skw"), kFormatBallSections);
    EXPECT_EQ(ReadAll(dir.file("balls.skw")), QByteArray("[0]\r\nX=4\r\nY=0\r\nLoudness=0.5\r\n"));
}

TEST_F(PlanConversion, AnUnreadablePlanGivesNoImage) {
    const ConvertedPlan missing = ConvertPlanFile(dir.file("missing.skw"), kFormatText);
    EXPECT_FALSE(missing.loaded);
    EXPECT_TRUE(missing.image.bytes.isEmpty());
}

} // namespace
