#include "audio/UnderrunReport.h"
#include "AudioTestSupport.h"
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
    // The texts of the lines reported since the last call.
    std::vector<QString> lines() {
        std::vector<QString> texts;
        for (const ReportLine& line : reportqueue::TakeAll())
            texts.push_back(line.text);
        return texts;
    }
    void ticks(uint64_t count, int times) {
        for (int i = 0; i < times; ++i)
            report.Tick(count);
    }

    UnderrunReport report;
};

TEST_F(UnderrunReportTest, ABurstIsOneLineWithItsCountOnceItHasBeenQuietAWhile) {
    ticks(0, 10);
    EXPECT_TRUE(lines().empty()) << "no underruns, nothing to say";

    report.Tick(2);
    ticks(2, UnderrunReport::kQuietTicks - 1);
    report.Tick(5); // still the same burst
    ticks(5, UnderrunReport::kQuietTicks - 1);
    EXPECT_TRUE(lines().empty()) << "still under way";
    report.Tick(5);
    const std::vector<QString> burst = lines();
    ASSERT_EQ(burst.size(), 1u);
    EXPECT_TRUE(burst[0].contains(" 5 ")) << burst[0].toStdString();
    ticks(5, 10);
    EXPECT_TRUE(lines().empty()) << "said once";

    report.Tick(6);
    ticks(6, UnderrunReport::kQuietTicks);
    const std::vector<QString> next = lines();
    ASSERT_EQ(next.size(), 1u);
    EXPECT_TRUE(next[0].contains(" 1 ")) << next[0].toStdString();
}

TEST_F(UnderrunReportTest, UnderrunsThatNeverStopAreReportedOnceAMinuteNotEverySecond) {
    uint64_t count = 0;
    for (int tick = 0; tick < 2 * UnderrunReport::kLongestTicks + 2; ++tick)
        report.Tick(count += tick % 2); // one underrun a second
    EXPECT_EQ(lines().size(), 2u);
}

} // namespace
