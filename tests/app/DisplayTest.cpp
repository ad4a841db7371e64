#include "WindowFakes.h"
#include "app/ReportStepAside.h"
#include "app/TaskbarProgress.h"

#include <gtest/gtest.h>

namespace {

TEST(TaskbarProgressTest, InsideTheRangeTheLineShowsItsProgressElseNoValue) {
    const auto progress = [](int64_t line, int64_t start, int64_t end, bool rolling, bool ok) {
        return ProgressOfLine({line}, {start}, {end}, rolling, ok);
    };
    LineProgress p = progress(150, 100, 300, true, true);
    EXPECT_EQ(p.state, ProgressState::Normal);
    EXPECT_EQ(p.done, 50);
    EXPECT_EQ(p.total, 200);
    EXPECT_EQ(progress(100, 100, 300, false, true).state, ProgressState::Paused);
    EXPECT_EQ(progress(150, 100, 300, false, false).state, ProgressState::Error);
    EXPECT_EQ(progress(300, 100, 300, true, true).state, ProgressState::Indeterminate);
    EXPECT_EQ(progress(99, 100, 300, false, true).state, ProgressState::None);
    EXPECT_FALSE(progress(150, 300, 100, true, true).withValue);
}

TEST(ReportStepAsideTest, AShownReportHidesForTheDialogsAndReturnsAfterTheOutermost) {
    FakePeers peers;
    peers.reportVisible = true;
    ReportStepAside aside(peers, true);
    aside.StepAside();
    EXPECT_FALSE(peers.reportVisible);
    aside.StepAside(); // a nested dialog
    EXPECT_EQ(aside.Count(), 2);
    aside.Return();
    EXPECT_FALSE(peers.reportVisible);
    aside.Return();
    EXPECT_TRUE(peers.reportVisible);
    aside.Return();
    EXPECT_EQ(aside.Count(), 0);

    peers.reportVisible = false;
    aside.StepAside(); // a hidden report is not counted
    EXPECT_EQ(aside.Count(), 0);
    peers.reportVisible = peers.linesWaiting = true;
    aside.StepAside();
    EXPECT_TRUE(peers.reportVisible);
}

} // namespace
