#include "support/Report.h"
#include "common/TempDir.h"
#include "support/FaultLog.h"

#include <gtest/gtest.h>

#include <QFile>

#include <thread>
#include <vector>

namespace {

TEST(Report, WithoutAReportWindowBecomesAFaultLine) {
    TempDir dir;
    faultlog::SetFolder(dir.path());
    reportqueue::SetAccepting(false);
    Report("plan.skw", "could not be read", true);
    QFile file(faultlog::FilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().endsWith("Report: Param: plan.skw | Msg: could not be read\r\n"));
}

TEST(Report, QueuesLinesFromManyThreadsUpToItsCapacity) {
    TempDir dir;
    faultlog::SetFolder(dir.path());
    reportqueue::SetAccepting(true);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([] {
            for (std::size_t i = 0; i < reportqueue::kCapacity; ++i)
                Report("s", "t", i % 2 == 0);
        });
    for (auto& thread : threads)
        thread.join();
    const auto lines = reportqueue::TakeAll();
    EXPECT_EQ(lines.size(), reportqueue::kCapacity);
    EXPECT_EQ(lines.front().subject, "s");
    EXPECT_EQ(lines.front().time.size(), 8); // hh:mm:ss
    EXPECT_TRUE(reportqueue::TakeAll().empty());
    EXPECT_TRUE(QFile::exists(faultlog::FilePath())) << "the dropped lines are noted as a fault";
    reportqueue::SetAccepting(false);
}

} // namespace
