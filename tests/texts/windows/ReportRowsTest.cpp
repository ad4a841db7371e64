#include "texts/windows/ReportRows.h"

#include <gtest/gtest.h>

namespace {

TEST(ReportRows, CopyGivesSubjectsOrWholeRowsEachEndingInCrLf) {
    const std::vector<ReportRow> rows{{"a", "one", "10:00:00"}, {"b", "two", "10:00:01"}};
    EXPECT_EQ(CopiedRowsText(rows, false), "a\r\nb\r\n");
    EXPECT_EQ(CopiedRowsText(rows, true), "a\tone\t10:00:00\r\nb\ttwo\t10:00:01\r\n");
    EXPECT_EQ(CopiedRowsText({}, true), "");
}

TEST(ReportRows, PastedLinesSplitAtTabsWithoutATrailingEmptyRow) {
    const std::vector<ReportRow> rows = PastedRows("a\tone\t10:00:00\r\nb\r\n\r\nc\tthree\n");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].subject, "a");
    EXPECT_EQ(rows[0].text, "one");
    EXPECT_EQ(rows[0].time, "10:00:00");
    EXPECT_EQ(rows[1].subject, "b");
    EXPECT_EQ(rows[1].text, "");
    EXPECT_EQ(rows[2].subject, "") << "an empty line in the middle is a row";
    EXPECT_EQ(rows[3].text, "three");
    EXPECT_TRUE(PastedRows("").empty());
}

TEST(ReportRows, AHugePasteKeepsOnlyTheFirstLines) {
    QString text;
    for (std::size_t i = 0; i < kMaxPastedRows + 5; ++i)
        text += QString::number(i) + '\n';
    const std::vector<ReportRow> rows = PastedRows(text);
    ASSERT_EQ(rows.size(), kMaxPastedRows);
    EXPECT_EQ(rows.back().subject, QString::number(kMaxPastedRows - 1));
}

} // namespace
