#include "AudioTestSupport.h"
#include "audio/UnderrunReport.h"
#include "support/Report.h"

#include <gtest/gtest.h>

namespace {

class UnderrunReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(audiotest::LoadEngine()); // with the English texts
        reportqueue::SetAccepting(true);
        reportqueue::TakeAll();
    }
    void TearDown() override {
        reportqueue::TakeAll();
        reportqueue::SetAccepting(false);
    }
    // The lines reported since the last call, by their texts.
    std::vector<QString> lines() {
        std::vector<QString> texts;
        for (const ReportLine& line : reportqueue::TakeAll())
            texts.push_back(line.text);
        return texts;
    }

    UnderrunReport report;
};

TEST_F(UnderrunReportTest, ABurstIsOneLineWithItsCountOnceItHasEnded) {
    report.Tick(0);
    report.Tick(0);
    EXPECT_TRUE(lines().empty()) << "no underruns, nothing to say";

    report.Tick(2);
    report.Tick(5);
    EXPECT_TRUE(lines().empty()) << "still under way";
    report.Tick(5);
    const std::vector<QString> burst = lines();
    ASSERT_EQ(burst.size(), 1u);
    EXPECT_TRUE(burst[0].contains(" 5 ")) << burst[0].toStdString();
    report.Tick(5);
    EXPECT_TRUE(lines().empty()) << "said once";

    report.Tick(6);
    report.Tick(6);
    const std::vector<QString> next = lines();
    ASSERT_EQ(next.size(), 1u);
    EXPECT_TRUE(next[0].contains(" 1 ")) << next[0].toStdString();
}

TEST_F(UnderrunReportTest, AnOutputOpenedAgainStartsTheCountOver) {
    report.Tick(40);
    report.Tick(40);
    lines();
    report.Tick(3); // a new output, three underruns in: nothing owed from before
    report.Tick(3);
    EXPECT_TRUE(lines().empty());
    report.Tick(4);
    report.Tick(4);
    EXPECT_EQ(lines().size(), 1u);
}

} // namespace
