#include "LanguageFiles.h"
#include "support/Report.h"
#include "support/Stopwatch.h"
#include "texts/CommaText.h"
#include "texts/DurationWords.h"
#include "texts/ReportElapsed.h"
#include "texts/TextFile.h"
#include "texts/TextFormat.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using namespace std::chrono_literals;

TEST(CommaText, SplitsAtCommasAndBlanksAndKeepsQuotedItemsWhole) {
    EXPECT_EQ(SplitCommaText("en,fr,de,ru,uk"), QStringList({"en", "fr", "de", "ru", "uk"}));
    EXPECT_EQ(
        SplitCommaText(QString::fromUtf8("\"Par défaut\",Cosmique,Légume")),
        QStringList({QString::fromUtf8("Par défaut"), "Cosmique", QString::fromUtf8("Légume")}));
    EXPECT_EQ(SplitCommaText("a b, c"), QStringList({"a", "b", "c"}));
    EXPECT_EQ(SplitCommaText("a,,b"), QStringList({"a", "", "b"}));
    EXPECT_EQ(SplitCommaText("a,"), QStringList({"a", ""}));
    EXPECT_EQ(SplitCommaText("\"say \"\"hi\"\"\",x"), QStringList({"say \"hi\"", "x"}));
    EXPECT_EQ(SplitCommaText("\"a,b\""), QStringList({"a,b"}));
    EXPECT_TRUE(SplitCommaText("").isEmpty());
    EXPECT_TRUE(SplitCommaText("   ").isEmpty());
}

TEST(TextFile, SplitsAtEveryKindOfLineBreak) {
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\n\nb\n"), QStringList({"a", "", "b"}));
    EXPECT_EQ(SplitLines("\r\n"), QStringList({""}));
    EXPECT_TRUE(SplitLines("").isEmpty());
}

TEST(TextFile, DropsAByteOrderMarkAndNamesAMissingFile) {
    TempDir dir;
    QFile file(dir.file("bom.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xEF\xBB\xBFKeep");
    file.close();
    EXPECT_EQ(ReadWholeText(dir.file("bom.txt")), "Keep");
    try {
        ReadWholeText(dir.file("gone.txt"));
        FAIL() << "a missing file must throw";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("gone.txt"), std::string::npos);
    }
}

TEST(FillArguments, ReplacesEachPlaceholderOnce) {
    EXPECT_EQ(FillArguments("{2} before {1}", {"one", "two"}), "two before one");
    EXPECT_EQ(FillArguments("{1}{1}", {"x"}), "xx");
    // An argument that looks like a placeholder is not filled again.
    EXPECT_EQ(FillArguments("{1} and {2}", {"{2}", "b"}), "{2} and b");
    EXPECT_EQ(FillArguments("{3} {0} {x} {}", {"a"}), "{3} {0} {x} {}");
    EXPECT_EQ(FillArguments("100% {1}", {"sure"}), "100% sure");
}

class Formatting : public ::testing::Test, public ParlanceFixture {};

TEST_F(Formatting, FormatTextFillsTheEntryAndLogsAWrongArgumentCount) {
    QStringList texts = numberedLines("", 370);
    texts[102] = "Save the changes to {1}?";
    write("nomenclature_en.txt", texts);
    write("instructions_en.txt", {});
    load("LanguageCodes=en\nLanguages=English");
    EXPECT_EQ(FormatText(103, {"a.skw"}), "Save the changes to a.skw?");
    EXPECT_EQ(faultLog(), "");
    EXPECT_EQ(FormatText(103, {"a.skw", "extra"}), "Save the changes to a.skw?");
    EXPECT_TRUE(faultLog().contains("FormatText: text 103 takes 1 arguments, not 2"));
}

TEST_F(Formatting, DurationsInWordsUseTheLargestWholeUnit) {
    QStringList texts = numberedLines("", 370);
    const QStringList names = {
        "year", "years", "month",  "months",  "week",   "weeks",   "day",         "days",
        "hour", "hours", "minute", "minutes", "second", "seconds", "millisecond", "milliseconds"};
    for (int i = 0; i < names.size(); ++i)
        texts[279 + i] = names[i];
    write("nomenclature_en.txt", texts);
    write("instructions_en.txt", {});
    load("LanguageCodes=en\nLanguages=English");
    EXPECT_EQ(DurationInWords(0ms), "0 milliseconds");
    EXPECT_EQ(DurationInWords(-5s), "0 milliseconds");
    EXPECT_EQ(DurationInWords(1ms), "1 millisecond");
    EXPECT_EQ(DurationInWords(999ms), "999 milliseconds");
    EXPECT_EQ(DurationInWords(1s), "1 second");
    EXPECT_EQ(DurationInWords(119s), "1 minute");
    EXPECT_EQ(DurationInWords(3h + 59min), "3 hours");
    EXPECT_EQ(DurationInWords(std::chrono::days(13)), "1 week");
    EXPECT_EQ(DurationInWords(std::chrono::days(60)), "2 months");
    EXPECT_EQ(DurationInWords(std::chrono::days(800)), "2 years");
}

TEST(ElapsedTimeText, IsATimeOfDay) {
    EXPECT_EQ(ElapsedTimeText(0ms), "00:00.000");
    EXPECT_EQ(ElapsedTimeText(62345ms), "01:02.345");
    EXPECT_EQ(ElapsedTimeText(59min + 59s + 999ms), "59:59.999");
    EXPECT_EQ(ElapsedTimeText(26h + 3min + 4ms), "26:03:00.004");
    EXPECT_EQ(ElapsedTimeText(-1ms), "00:00.000");
}

TEST_F(Formatting, ReportElapsedQueuesANoticeAndMovesTheMark) {
    QStringList texts = numberedLines("", 370);
    texts[321] = "took {1}";
    write("nomenclature_en.txt", texts);
    write("instructions_en.txt", {});
    load("LanguageCodes=en\nLanguages=English");
    reportqueue::SetAccepting(true);
    reportqueue::TakeAll();
    const TGenericStopwatch stopwatch;
    int64_t mark = stopwatch.Read() - 1'500'000'000; // 1.5 s ago
    ReportElapsed(stopwatch, "Saved a.skw", mark);
    const auto lines = reportqueue::TakeAll();
    reportqueue::SetAccepting(false);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].subject, "Saved a.skw");
    EXPECT_TRUE(lines[0].text.startsWith("took 00:01.5")) << lines[0].text.toStdString();
    EXPECT_FALSE(lines[0].isError);
    EXPECT_GE(mark, stopwatch.Read() - 1'000'000'000);
}

} // namespace
