// Typed values in the settings store: integers, Booleans, floats, dates and times.
#include "support/WideMemIniFile.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <clocale>
#include <cstdint>
#include <string>

namespace {

class WideMemIniFileTyped : public ::testing::Test {
protected:
    void load(const char* lines) { ini.SetText(QStringLiteral("[V]\n") + lines); }
    TWideMemIniFile ini{QString{}};
};

TEST_F(WideMemIniFileTyped, IntegersReadDecimalAndHexOrGiveTheDefault) {
    load("hex=0x1F\nHEX=0X1f\nneg=-7\nmax=0xFFFFFFFF\nbare=0x\nbadhex=0x1G\nsignedhex=0x-1\n"
         "abc=abc\nfrac=1.5\nbig=2147483648\nwide=0x100000000\ninner=1 2\nempty=\n"
         "top=9223372036854775807\nover=9223372036854775808\nall=0xFFFFFFFFFFFFFFFF\n");
    EXPECT_EQ(ini.ReadInteger("V", "hex", -1), 31);
    EXPECT_EQ(ini.ReadInteger("V", "HEX", -1), 31);
    EXPECT_EQ(ini.ReadInteger("V", "neg", -1), -7);
    EXPECT_EQ(ini.ReadInteger("V", "max", 0), -1);
    for (const char* key :
         {"bare", "badhex", "signedhex", "abc", "frac", "big", "wide", "inner", "empty", "none"})
        EXPECT_EQ(ini.ReadInteger("V", key, 99), 99) << key;

    EXPECT_EQ(ini.ReadInt64("V", "top", 0), INT64_MAX);
    EXPECT_EQ(ini.ReadInt64("V", "all", 0), -1);
    EXPECT_EQ(ini.ReadInt64("V", "over", 5), 5);
    ini.WriteInt64("V", "low", INT64_MIN);
    EXPECT_EQ(ini.ReadInt64("V", "low", 0), INT64_MIN);
}

TEST_F(WideMemIniFileTyped, BooleansAreIntegersOtherThanZero) {
    load("zero=0\ntwo=2\nminus=-1\nhexzero=0x0\nword=true\n");
    EXPECT_FALSE(ini.ReadBool("V", "zero", true));
    EXPECT_TRUE(ini.ReadBool("V", "two", false));
    EXPECT_TRUE(ini.ReadBool("V", "minus", false));
    EXPECT_FALSE(ini.ReadBool("V", "hexzero", true));
    EXPECT_TRUE(ini.ReadBool("V", "word", true));
    EXPECT_FALSE(ini.ReadBool("V", "word", false));

    ini.WriteBool("V", "on", true);
    ini.WriteBool("V", "off", false);
    EXPECT_EQ(ini.ReadSectionValues("V").mid(5), QStringList({"on=1", "off=0"}));
}

TEST_F(WideMemIniFileTyped, DatesAndTimesUseIsoTextOrGiveTheDefault) {
    load("baddate=2024-02-30\nbadtime=25:00:00\nword=soon\nempty=\n");
    const QDateTime stamp(QDate(2024, 3, 1), QTime(13, 5, 9, 250));
    ini.WriteDate("V", "date", stamp.date());
    ini.WriteTime("V", "time", QTime(13, 5, 9));
    ini.WriteDateTime("V", "stamp", stamp);
    EXPECT_EQ(ini.ReadSectionValues("V").mid(4),
              QStringList({"date=2024-03-01", "time=13:05:09", "stamp=2024-03-01T13:05:09.250"}));
    EXPECT_EQ(ini.ReadDate("V", "date", {}), stamp.date());
    EXPECT_EQ(ini.ReadTime("V", "time", {}), QTime(13, 5, 9));
    EXPECT_EQ(ini.ReadDateTime("V", "stamp", {}), stamp);

    const QDateTime def(QDate(2000, 1, 1), QTime(1, 2, 3));
    for (const char* key : {"baddate", "word", "empty", "none"}) {
        EXPECT_EQ(ini.ReadDate("V", key, def.date()), def.date()) << key;
        EXPECT_EQ(ini.ReadDateTime("V", key, def), def) << key;
    }
    EXPECT_EQ(ini.ReadTime("V", "badtime", def.time()), def.time());
}

// The C library's and Qt's default locales write a decimal comma during these tests.
class WideMemIniFileGermanLocale : public WideMemIniFileTyped {
protected:
    void SetUp() override {
        m_savedC = std::setlocale(LC_ALL, nullptr);
        std::setlocale(LC_ALL, "de_DE.UTF-8"); // not installed everywhere; Qt's side suffices
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_EQ(QLocale().decimalPoint(), ",");
    }
    void TearDown() override {
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_ALL, m_savedC.c_str());
    }

private:
    std::string m_savedC;
};

TEST_F(WideMemIniFileGermanLocale, FloatsUseAPointAndReadBackExactly) {
    for (double value : {0.1, 1.0 / 3.0, -2.5e-300, 1e20, 123456789.0}) {
        ini.WriteFloat("V", "x", value);
        EXPECT_EQ(ini.ReadFloat("V", "x", -1), value) << ini.ReadString("V", "x", {}).toStdString();
    }
    ini.WriteFloat("V", "x", 0.1);
    EXPECT_EQ(ini.ReadString("V", "x", {}), "0.1");
}

TEST_F(WideMemIniFileGermanLocale, FloatTextsThatDoNotConvertGiveTheDefault) {
    load("point=2.25\nexp=1.5e3\ncomma=2,5\ngroups=1,234.5\ntwocommas=1,2,3\nword=abc\n"
         "inf=inf\nnan=nan\nempty=\n");
    EXPECT_EQ(ini.ReadFloat("V", "point", 0), 2.25);
    EXPECT_EQ(ini.ReadFloat("V", "exp", 0), 1500.0);
    EXPECT_EQ(ini.ReadFloat("V", "comma", 0), 2.5);
    for (const char* key : {"groups", "twocommas", "word", "inf", "nan", "empty", "none"})
        EXPECT_EQ(ini.ReadFloat("V", key, -7.5), -7.5) << key;
}

} // namespace
