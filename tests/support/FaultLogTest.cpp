#include "support/FaultLog.h"
#include "common/TempDir.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include <thread>
#include <vector>

namespace {

QStringList logLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
}

class FaultLogTest : public ::testing::Test {
protected:
    void SetUp() override { faultlog::SetFolder(dir.path() + "data/"); }
    void TearDown() override {
        faultlog::SetFailureHandler({});
        faultlog::SetFaultListener({});
    }
    TempDir dir;
};

TEST(FaultLineFormat, PinsEveryField) {
    const QDateTime when(QDate(2026, 3, 4), QTime(5, 6, 7));
    EXPECT_EQ(faultlog::FormatLine(when, 0xabcdu, 7, "Mingler", "X"),
              "2026-03-04 05:06:07\t0x0000abcd      7  Mingler: X");
    EXPECT_EQ(faultlog::FormatLine(when, 0xffffffffu, 1234567, "u", ""),
              "2026-03-04 05:06:07\t0xffffffff 1234567  u: ");
}

TEST(FaultLineFormat, UnitNameIsTheFileStem) {
    EXPECT_EQ(FaultUnitName("Mingler.cpp"), "Mingler");
    EXPECT_EQ(FaultUnitName("src/audio/Mingler.cpp"), "Mingler");
    EXPECT_EQ(FaultUnitName("plain"), "plain");
}

TEST_F(FaultLogTest, FirstFaultCreatesFolderAndFileAndEndsLinesWithCrLf) {
    ASSERT_FALSE(QFile::exists(dir.path() + "data"));
    const int line = __LINE__ + 1;
    GBX_FAULT("TheMingler.Play was at fault here: boom");
    const QString path = dir.path() + "data/funny stuff.log";
    ASSERT_EQ(faultlog::FilePath(), path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    const QRegularExpression shape(
        QString(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\t0x[0-9a-f]{8} %1  FaultLogTest: )"
                R"(TheMingler\.Play was at fault here: boom\r\n$)")
            .arg(line, 6));
    EXPECT_TRUE(shape.match(QString::fromUtf8(bytes)).hasMatch()) << bytes.constData();
}

TEST_F(FaultLogTest, LinesFromManyThreadsStayWhole) {
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([t] {
            for (int i = 0; i < 100; ++i)
                GBX_FAULT("thread " + std::to_string(t) + " line " + std::to_string(i));
        });
    }
    for (auto& thread : threads)
        thread.join();
    const QStringList lines = logLines(faultlog::FilePath());
    ASSERT_EQ(lines.size(), 800);
    const QRegularExpression whole(R"(FaultLogTest: thread \d line \d+$)");
    for (const QString& line : lines)
        EXPECT_TRUE(whole.match(line).hasMatch()) << line.toStdString();
}

TEST_F(FaultLogTest, FullLogIsRotatedBeforeTheNextLine) {
    const QString path = faultlog::FilePath();
    GBX_FAULT("first");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write(QByteArray(faultlog::kRotateBytes, 'x'));
    }
    GBX_FAULT("after rotation");
    EXPECT_GT(QFile(path + ".1").size(), faultlog::kRotateBytes);
    const QStringList lines = logLines(path);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].endsWith("after rotation"));
}

TEST_F(FaultLogTest, FailedAppendIsShownOnTheUiThreadAndQueuedFromOthers) {
    // A data "folder" below a regular file cannot be created.
    QFile blocker(dir.file("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    faultlog::SetFolder(dir.file("blocker") + "/data/");
    faultlog::SetUiThread();
    QStringList shown;
    faultlog::SetFailureHandler([&](const QString& text) { shown << text; });
    int listened = 0;
    faultlog::SetFaultListener([&] { ++listened; });

    GBX_FAULT("on the ui thread");
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains("on the ui thread"));

    std::thread([] { GBX_FAULT("on the mixing thread"); }).join();
    EXPECT_EQ(shown.size(), 1) << "never shown where it happened";
    faultlog::ShowQueuedFailures();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[1].contains("on the mixing thread"));
    EXPECT_EQ(listened, 2);
}

} // namespace
