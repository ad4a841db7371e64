#include "texts/Parlance.h"
#include "LanguageFiles.h"

#include <gtest/gtest.h>

namespace {

class Parlance : public ::testing::Test, public ParlanceFixture {};

TEST_F(Parlance, LineIOfEachFileBecomesItsEntryAndLaterEntriesKeepTheirValue) {
    write("instructions_en.txt", numberedLines("en caption ", 224));
    write("nomenclature_en.txt", numberedLines("en text ", 370));
    write("instructions_xx.txt", numberedLines("xx caption ", 10), "\r\n");
    write("nomenclature_xx.txt", numberedLines("xx text ", 300), "\r");
    load("Languages=English,Other\nLanguageCodes=en,xx\nSelectedLanguage=0");
    ASSERT_TRUE(SelectLanguage(1));
    EXPECT_EQ(CommandCaption(1025), "xx caption 1");
    EXPECT_EQ(CommandCaption(1034), "xx caption 10");
    EXPECT_EQ(CommandCaption(1035), "en caption 11");
    EXPECT_EQ(CommandCaption(1248), "en caption 224");
    EXPECT_EQ(Text(300), "xx text 300");
    EXPECT_EQ(Text(301), "en text 301");
    EXPECT_EQ(CommandCaption(1024), "");
    EXPECT_EQ(Text(0), "");
    EXPECT_EQ(Text(371), "");
}

TEST_F(Parlance, LinesBeyondTheTablesAreIgnored) {
    write("instructions_en.txt", numberedLines("caption ", 300));
    write("nomenclature_en.txt", numberedLines("text ", 400));
    load("Languages=English\nLanguageCodes=en");
    EXPECT_EQ(CommandCaption(1248), "caption 224");
    EXPECT_EQ(Text(370), "text 370");
    EXPECT_EQ(faultLog(), "");
}

TEST_F(Parlance, EntriesExpandInAscendingOrderAndCaptionsLast) {
    write("nomenclature_en.txt", {"one and %2", "two and %3", "three", "%^1"});
    write("instructions_en.txt", {"%1", "Open%&p %_3 %4"});
    load("Languages=English\nLanguageCodes=en");
    EXPECT_EQ(Text(2), "two and three");
    // Text 1 met text 2 before text 2 was expanded.
    EXPECT_EQ(Text(1), "one and two and %3");
    EXPECT_EQ(Text(4), "One and two and %3");
    EXPECT_EQ(CommandCaption(1025), "one and two and %3");
    EXPECT_EQ(CommandCaption(1026), "O&pen three One and two and %3");
}

TEST_F(Parlance, GetTextUpperCasesTheFirstCharacterOnly) {
    write("nomenclature_en.txt", {"plan file", "", "élan"});
    write("instructions_en.txt", {});
    load("Languages=English\nLanguageCodes=en");
    EXPECT_EQ(GetText(1), "Plan file");
    EXPECT_EQ(Text(1), "plan file");
    EXPECT_EQ(GetText(2), "");
    EXPECT_EQ(GetText(3), QString::fromUtf8("Élan"));
    EXPECT_EQ(GetText(400), "");
}

TEST_F(Parlance, MissingFilesGivePlaceholdersLeaveEscapesAndLogTheFault) {
    write("instructions_en.txt", {"Keep%&K", "%^3"});
    load("Languages=English\nLanguageCodes=en");
    EXPECT_EQ(CommandCaption(1025), "Keep%&K");
    EXPECT_EQ(CommandCaption(1026), "%^3");
    EXPECT_EQ(CommandCaption(1027), "Instruction 3");
    EXPECT_EQ(CommandCaption(1248), "Instruction 224");
    EXPECT_EQ(Text(1), "p1");
    EXPECT_EQ(Text(370), "p370");
    EXPECT_EQ(BoolWord(false), "p37");
    EXPECT_EQ(BoolWord(true), "p36");
    EXPECT_EQ(LanesMenuAccelerator(), QChar(u'L'));
    EXPECT_TRUE(faultLog().contains("  nomenclature: SetLanguage was at fault here: cannot read"));
    EXPECT_TRUE(faultLog().contains("nomenclature_en.txt"));
}

TEST_F(Parlance, BothFilesMissingGiveOnlyPlaceholders) {
    load("Languages=English\nLanguageCodes=en");
    EXPECT_EQ(CommandCaption(1025), "Instruction 1");
    EXPECT_EQ(CommandCaption(1248), "Instruction 224");
    EXPECT_EQ(Text(1), "p1");
    EXPECT_EQ(Text(370), "p370");
}

TEST_F(Parlance, FailedSwitchKeepsWhatWasLoadedAndFillsOnlyTheGaps) {
    write("instructions_en.txt", {"New"});
    write("nomenclature_en.txt", {"one"});
    load("Languages=English,Missing\nLanguageCodes=en,zz");
    EXPECT_TRUE(SelectLanguage(1));
    EXPECT_EQ(CommandCaption(1025), "New");
    EXPECT_EQ(CommandCaption(1026), "Instruction 2");
    EXPECT_EQ(Text(1), "one");
    EXPECT_EQ(Text(2), "p2");
}

TEST_F(Parlance, WhatALanguageLacksOrLeavesEmptyIsEnglishAndNothingOfTheLastLanguageStays) {
    write("instructions_en.txt", {"New", "Open", "Undo"});
    write("nomenclature_en.txt", {"one", "two", "three"});
    write("instructions_xx.txt", {"Nouveau", ""});
    write("nomenclature_xx.txt", {"un", "", "trois"});
    write("instructions_yy.txt", {"Neu", "", "Rückgängig"});
    write("nomenclature_yy.txt", {""});
    load("Languages=English,Other,Third\nLanguageCodes=en,xx,yy\nSelectedLanguage=1");
    EXPECT_EQ(CommandCaption(1025), "Nouveau");
    EXPECT_EQ(CommandCaption(1026), "Open");
    EXPECT_EQ(CommandCaption(1027), "Undo") << "beyond the language's file";
    EXPECT_EQ(Text(2), "two");
    EXPECT_EQ(Text(3), "trois");
    ASSERT_TRUE(SelectLanguage(2));
    EXPECT_EQ(CommandCaption(1025), "Neu");
    EXPECT_EQ(Text(1), "one") << "not the language before";
    EXPECT_EQ(Text(3), "three");
}

TEST_F(Parlance, GermanLocaleChoosesTheGermanFilesWhenNothingIsSelected) {
    write("instructions_de.txt", {"Neu"});
    write("nomenclature_de.txt", {"eins"});
    load("Languages=English,Deutsch\nLanguageCodes=en,de",
         QLocale(QLocale::German, QLocale::Austria));
    EXPECT_EQ(SelectedLanguage(), 1);
    EXPECT_EQ(CommandCaption(1025), "Neu");
    EXPECT_EQ(Text(1), "eins");
}

TEST_F(Parlance, StartUpChoiceFallsBackToTheFirstLanguage) {
    const QString lists = "Languages=English,Deutsch\nLanguageCodes=en,de\n";
    load(lists + "SelectedLanguage=5");
    EXPECT_EQ(SelectedLanguage(), 0);
    load(lists + "SelectedLanguage=-3");
    EXPECT_EQ(SelectedLanguage(), 0);
    // A French user finds no French files listed.
    load(lists, QLocale(QLocale::French, QLocale::Canada));
    EXPECT_EQ(SelectedLanguage(), 0);
    // The index must name an entry of both lists.
    load("Languages=English\nLanguageCodes=en,de\nSelectedLanguage=1");
    EXPECT_EQ(SelectedLanguage(), 0);
    load(lists + "SelectedLanguage=1");
    EXPECT_EQ(SelectedLanguage(), 1);
    EXPECT_EQ(Languages(), QStringList({"English", "Deutsch"}));
    EXPECT_EQ(LanguageCodes(), QStringList({"en", "de"}));
}

TEST_F(Parlance, WithNoLanguageListedTheEnglishFilesStillLoad) {
    write("instructions_en.txt", {"New"});
    write("nomenclature_en.txt", {"one"});
    load("");
    EXPECT_EQ(SelectedLanguage(), 0);
    EXPECT_EQ(CommandCaption(1025), "New");
    EXPECT_EQ(Text(1), "one");
    EXPECT_EQ(faultLog(), "");
}

TEST(LanguageCode, FollowsTheLocaleLanguage) {
    EXPECT_EQ(LanguageCodeForLocale(QLocale(QLocale::German, QLocale::Switzerland)), "de");
    EXPECT_EQ(LanguageCodeForLocale(QLocale(QLocale::French, QLocale::Belgium)), "fr");
    EXPECT_EQ(LanguageCodeForLocale(QLocale(QLocale::Russian)), "ru");
    EXPECT_EQ(LanguageCodeForLocale(QLocale(QLocale::Ukrainian)), "uk");
    EXPECT_EQ(LanguageCodeForLocale(QLocale(QLocale::Italian)), "en");
    EXPECT_EQ(LanguageCodeForLocale(QLocale::c()), "en");
}

TEST_F(Parlance, SelectLanguageSwitchesTablesAndTellsTheListeners) {
    QStringList en = numberedLines("", 22);
    en << "&Lanes";
    write("instructions_en.txt", en);
    write("nomenclature_en.txt", {"one"});
    QStringList de = numberedLines("", 22);
    de << "&Spuren";
    write("instructions_de.txt", de);
    write("nomenclature_de.txt", {"eins"});
    load("Languages=English,Deutsch\nLanguageCodes=en,de\nSelectedLanguage=0");
    EXPECT_EQ(LanesMenuAccelerator(), QChar(u'L'));
    QStringList heard;
    AddLanguageListener([&] { heard << Text(1); });
    EXPECT_TRUE(SelectLanguage(1));
    EXPECT_EQ(SelectedLanguage(), 1);
    EXPECT_EQ(heard, QStringList({"eins"}));
    EXPECT_EQ(LanesMenuAccelerator(), QChar(u'S'));
    EXPECT_FALSE(SelectLanguage(2));
    EXPECT_FALSE(SelectLanguage(-1));
    EXPECT_EQ(SelectedLanguage(), 1);
    EXPECT_EQ(heard.size(), 1);
}

TEST_F(Parlance, LanesMenuAcceleratorIsTheUpperCasedLetterAfterTheFirstAmpersand) {
    const auto acceleratorOf = [this](const QString& caption) {
        QStringList lines = numberedLines("", 22);
        lines << caption;
        write("instructions_en.txt", lines);
        write("nomenclature_en.txt", {});
        load("Languages=English\nLanguageCodes=en");
        return LanesMenuAccelerator();
    };
    EXPECT_EQ(acceleratorOf("La&nes"), QChar(u'N'));
    EXPECT_EQ(acceleratorOf("R&oom & L&anes"), QChar(u'O'));
    EXPECT_EQ(acceleratorOf("Lanes"), QChar(u'L'));
    EXPECT_EQ(acceleratorOf("Lanes&"), QChar(u'L'));
    EXPECT_EQ(acceleratorOf("Spuren%&r"), QChar(u'R'));
}

TEST_F(Parlance, BoolWordsAndDateTimeNamesComeFromTheirTexts) {
    QStringList texts = numberedLines("t", 370);
    texts[35] = "ja";
    texts[36] = "nein";
    write("nomenclature_de.txt", texts);
    write("instructions_de.txt", {});
    load("Languages=Deutsch\nLanguageCodes=de");
    EXPECT_EQ(BoolWord(true), "ja");
    EXPECT_EQ(BoolWord(false), "nein");
    EXPECT_EQ(DateTimeNames().front(), "t280");
    EXPECT_EQ(DateTimeNames().back(), "t295");
}

TEST_F(Parlance, HandoutFallsBackToEnglish) {
    write("handout_en.txt", {"Hello", "there"});
    write("handout_de.txt", {"Hallo"});
    load("Languages=English,Deutsch,Other\nLanguageCodes=en,de,xx\nSelectedLanguage=1");
    EXPECT_EQ(SelectedHandoutText(), "Hallo");
    EXPECT_TRUE(SelectLanguage(2));
    EXPECT_EQ(SelectedHandoutText(), "Hello\nthere");
    EXPECT_EQ(HandoutText("xx"), "");
}

} // namespace
