#include "controls/StyleConfig.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

StyleTables read(const QString& text) {
    return ReadStyleConfig(text.split('\n'));
}

TEST(StyleColourTest, NumberSignsBlanksAndCapitalsReadAsThePlainDigits) {
    const auto plain = ParseStyleColour("ffb400");
    ASSERT_TRUE(plain);
    EXPECT_EQ(*plain, RgbColour(0xFF, 0xB4, 0x00));
    for (const char* text : {"#FFB400", "FF B4 00", " ff-b4-00 ", "$ffB400"})
        EXPECT_EQ(ParseStyleColour(text), plain) << text;
    EXPECT_EQ(ParseStyleColour("0a0b0c0d"), RgbColour(0x0A, 0x0B, 0x0C));
    EXPECT_FALSE(ParseStyleColour("ffb40"));
    EXPECT_FALSE(ParseStyleColour("grey"));
    EXPECT_FALSE(ParseStyleColour(""));
}

TEST(StyleConfigTest, KnownKeysSetTheirValuesAndEverythingElseKeepsTheBuiltInValue) {
    const StyleTables tables = read("; a comment\n"
                                    "[Line]\n"
                                    "Line = 102030\n"
                                    "line=ffffff\n"           // wrong case: ignored
                                    "MarkerBG=not a colour\n" // keeps the default
                                    "Nonsense=123456\n"
                                    "[Lanes]\n"
                                    "ShadowDepth=3\n"
                                    "FontSize=\n"
                                    "MoreDeepYellow=2\n"
                                    "LessDeepPurple=1\n"
                                    "[Unknown]\n"
                                    "Line=ABCDEF\n"
                                    "[Carrier]\n"
                                    "RollX=x12\n"
                                    "TriggerY=-4\n"
                                    "Outline=a=b=c\n"
                                    "BG");
    StyleTables expected;
    expected.Line.Line = RgbColour(0x10, 0x20, 0x30);
    expected.Lanes.ShadowDepth = 3;
    expected.Lanes.MoreDeepYellow = false;
    expected.Lanes.LessDeepPurple = true;
    expected.Carrier.TriggerY = -4;
    EXPECT_TRUE(tables == expected);
    EXPECT_EQ(tables.Line.MarkerBG, StyleColour(0xE2E2E2));
    EXPECT_EQ(tables.Lanes.FontSize, 9);
    EXPECT_EQ(tables.Carrier.RollX, 10);
}

TEST(StyleConfigTest, PointKeysSetBothMarkersAndRepeatedSectionsAreReadAgain) {
    StyleTables tables =
        read("[Point]\nLanesMarkerBG=010101\nMarkerBG=020202\nMarkerOutline=030303\n"
             "LanesMarkerOutline=040404");
    EXPECT_EQ(tables.Point.MarkerBG, RgbColour(2, 2, 2));
    EXPECT_EQ(tables.Point.LanesMarkerBG, RgbColour(2, 2, 2));
    EXPECT_EQ(tables.Point.MarkerOutline, RgbColour(3, 3, 3));
    EXPECT_EQ(tables.Point.LanesMarkerOutline, RgbColour(4, 4, 4));

    // A repeated section is read again; any line starting with "[" ends a section.
    tables = read("[Ruler]\nBG=111111\n[Ruler\nText=222222\n[Ruler]\nText=333333\n");
    EXPECT_EQ(tables.Ruler.BG, RgbColour(0x11, 0x11, 0x11));
    EXPECT_EQ(tables.Ruler.Text, RgbColour(0x33, 0x33, 0x33));
}

// Every key of the shipped style must be one the reader knows: changing its value in a copy of
// the file must change the tables.
TEST(ShippedStyleTest, TheDefaultStyleReadsAsTheBuiltInTablesAndNamesOnlyKnownKeys) {
    QFile file(GBX_SOURCE_DIR "/data/interior/Default/config.ini");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    EXPECT_TRUE(ReadStyleConfig(lines) == StyleTables{});
    int keys = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('['))
            continue;
        bool known = false;
        for (const char* value : {"=123456", "=1", "=77"}) {
            QStringList changed = lines;
            changed[i] = line.section('=', 0, 0) + value;
            known = known || !(ReadStyleConfig(changed) == StyleTables{});
        }
        EXPECT_TRUE(known) << line.toStdString();
        ++keys;
    }
    EXPECT_EQ(keys, 3 + 8 + 2 + 8 + 24 + 2 + 5 + 7 + 14);
}

} // namespace
