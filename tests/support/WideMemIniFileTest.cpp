// The settings store: reading files, look-up rules, editing, and writing files safely.
#include "support/WideMemIniFile.h"

#include "common/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <csignal>
#include <stdexcept>
#include <sys/resource.h>

namespace {

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

TEST(WideMemIniFileRead, ForeignFileWithBomMixedLineEndsCommentsAndKeyOnlyLines) {
    TempDir dir;
    writeBytes(dir.file("foreign.ini"), "\xEF\xBB\xBForphan=1\r\n[ Main ]\r\n; note\n"
                                        "\t Key = Value \r\r\nFormula= a=b = c\nC:\\kick.wav\n"
                                        "Name=Gr\xC3\xBC\xC3\x9F"
                                        "e\n[Other]\nx=1");
    TWideMemIniFile ini(dir.file("foreign.ini"));

    EXPECT_EQ(ini.ReadSections(), QStringList({"Main", "Other"}));
    EXPECT_EQ(ini.ReadString("Main", "Key", "-"), "Value");
    EXPECT_EQ(ini.ReadString("Main", "Formula", "-"), "a=b = c");
    EXPECT_EQ(ini.ReadString("Main", "orphan", "-"), "-");
    EXPECT_EQ(ini.ReadSection("Main"), QStringList({"Key", "Formula", "C:\\kick.wav", "Name"}));
    EXPECT_TRUE(ini.ValueExists("Main", "c:\\KICK.wav"));
    EXPECT_EQ(ini.Text(), "[Main]\nKey=Value\nFormula=a=b = c\nC:\\kick.wav\n"
                          "Name=Grüße\n[Other]\nx=1\n");

    ini.WriteString("Main", "C:\\kick.wav", "loud");
    EXPECT_EQ(ini.ReadSectionValues("Main")[2], "C:\\kick.wav=loud");
}

TEST(WideMemIniFileRead, MissingFileIsEmptyButUnreadableOneThrows) {
    TempDir dir;
    EXPECT_TRUE(TWideMemIniFile(dir.file("absent.ini")).ReadSections().isEmpty());
    EXPECT_FALSE(QFile::exists(dir.file("absent.ini")));

    // Starting empty here would let the next UpdateFile replace a file nobody read.
    ASSERT_TRUE(QDir().mkpath(dir.file("folder.ini")));
    EXPECT_THROW(TWideMemIniFile{dir.file("folder.ini")}, std::runtime_error);
}

TEST(WideMemIniFileLookUp, IgnoresLetterCaseAndFirstOccurrenceWins) {
    TWideMemIniFile ini(QString{});
    ini.SetText("[Ärger]\nÖl=1\nÖL=2\n[B]\nb=1\n[äRGER]\nÖl=3\nonly=here\n");

    EXPECT_EQ(ini.ReadSections().size(), 3);
    EXPECT_EQ(ini.ReadString("äRGER", "öl", "-"), "1");
    EXPECT_FALSE(ini.ValueExists("Ärger", "only"));
    EXPECT_FALSE(ini.SectionExists("Ärg"));

    // Replacing keeps the spelling first written; deleting takes every line of the key.
    ini.WriteString("ÄRGER", "öL", "new");
    EXPECT_EQ(ini.ReadSectionValues("ärger"), QStringList({"Öl=new", "ÖL=2"}));
    ini.DeleteKey("Ärger", "Öl");
    EXPECT_TRUE(ini.ReadSection("Ärger").isEmpty());

    ini.EraseSection("ärger");
    EXPECT_EQ(ini.ReadSections(), QStringList({"B"}));
}

TEST(WideMemIniFileLookUp, FirstOccurrenceWinsInLargeStoresToo) {
    // Past a handful of keys or sections the look-ups are indexed; the rule must not change.
    constexpr int kCount = 40;
    QString text;
    for (int s = 0; s < kCount; ++s) {
        text += QStringLiteral("[Section%1]\n").arg(s);
        for (int k = 0; k < kCount; ++k)
            text += QStringLiteral("Key%1=first %2.%1\n").arg(k).arg(s);
        text += QStringLiteral("KEY%1=second\n").arg(s); // a later spelling of one key
    }
    for (int s = 0; s < kCount; ++s)
        text += QStringLiteral("[SECTION%1]\nkey0=late section\nOnlyLate=1\n").arg(s);
    TWideMemIniFile ini(QString{});
    ini.SetText(text);

    for (int s = 0; s < kCount; s += 13) {
        const QString section = QStringLiteral("section%1").arg(s);
        EXPECT_EQ(ini.ReadString(section, QStringLiteral("key%1").arg(s), "-"),
                  QStringLiteral("first %1.%1").arg(s));
        EXPECT_EQ(ini.ReadString(section, "KEY0", "-"), QStringLiteral("first %1.0").arg(s));
        EXPECT_FALSE(ini.ValueExists(section, "OnlyLate"));
    }
    EXPECT_EQ(ini.ReadSections().size(), 2 * kCount);

    // A key added to an early section moves the later sections' lines, which stay theirs.
    ini.WriteString("Section0", "Added", "new");
    EXPECT_EQ(ini.ReadString("SECTION0", "added", "-"), "new");
    EXPECT_EQ(ini.ReadString("Section1", "Key0", "-"), "first 1.0");
    EXPECT_EQ(ini.ReadSection("Section39").size(), kCount + 1);
    EXPECT_FALSE(ini.ValueExists("Section1", "Added"));
}

TEST(WideMemIniFileLookUp, IndexedLookUpsIgnoreCaseBeyondLatinLettersToo) {
    QString text;
    for (int s = 0; s < 20; ++s)
        text += QStringLiteral("[Filler%1]\n").arg(s);
    // Deseret letters lie beyond the 16-bit range: their case pairs are surrogate pairs.
    text += QStringLiteral("[Ärger\U00010400]\nx=1\n[\u03A3igma]\nx=2\n");
    TWideMemIniFile ini(QString{});
    ini.SetText(text);
    EXPECT_EQ(ini.ReadString(QStringLiteral("äRGER\U00010428"), "X", "-"), "1");
    EXPECT_EQ(ini.ReadString(QStringLiteral("\u03C3IGMA"), "x", "-"), "2");
    EXPECT_EQ(ini.ReadString("Filler7 ", "x", "-"), "-");
    EXPECT_TRUE(ini.SectionExists(" filler19"));
}

TEST(WideMemIniFileRead, SectionsByPositionAndTheirLinesAsViews) {
    TWideMemIniFile ini(QString{});
    ini.SetText("[A]\nk=1\n[b]\nKey = v = w \nbare\nkey=later\n[B]\nk=other\n");
    ASSERT_EQ(ini.SectionCount(), 3);
    EXPECT_EQ(ini.SectionName(1), "b");
    EXPECT_EQ(ini.SectionName(2), "B");
    QStringList lines;
    ini.ForEachLine("B", [&](QStringView key, QStringView value) {
        lines << key.toString() + '|' + value.toString();
    });
    // The first section of the name, every line in order, a bare key with an empty value.
    EXPECT_EQ(lines, QStringList({"Key|v = w", "bare|", "key|later"}));
    int calls = 0;
    ini.ForEachLine("C", [&](QStringView, QStringView) { ++calls; });
    EXPECT_EQ(calls, 0);
}

TEST(WideMemIniFileEdit, KeepsOrderAndLookUpsStayRightAfterRemovalsAndAppends) {
    TWideMemIniFile ini(QString{});
    ini.SetText("[S0]\nk=0\n[S1]\nk=1\n[S2]\nk=2\na=x\nb=y\n");
    ASSERT_EQ(ini.ReadString("S2", "b", "-"), "y"); // builds the look-up tables

    ini.EraseSection("S0");
    ini.DeleteKey("S2", "a");
    ini.WriteString("S3", "k", "3");
    ini.WriteString("S2", "c", "z");
    ini.WriteString("S1", "k", "one");
    EXPECT_EQ(ini.ReadString("S2", "b", "-"), "y");
    EXPECT_EQ(ini.ReadString("s3", "K", "-"), "3");
    EXPECT_EQ(ini.ReadString("s2", "C", "-"), "z");
    EXPECT_EQ(ini.Text(), "[S1]\nk=one\n[S2]\nk=2\nb=y\nc=z\n[S3]\nk=3\n");

    ini.SetText("[S1]\nk=replaced\n");
    EXPECT_EQ(ini.Text(), "[S1]\nk=replaced\n");
}

TEST(WideMemIniFileEdit, ALineBreakInAValueCannotSplitTheFile) {
    TWideMemIniFile ini(QString{});
    ini.WriteString(" Main ", "Path", "  /home/me/odd\nname\r[Evil]\r\nx=1  ");
    EXPECT_EQ(ini.ReadString("Main", "Path", "-"), "/home/me/odd name [Evil]  x=1");

    TWideMemIniFile reread(QString{});
    reread.SetText(ini.Text());
    EXPECT_EQ(reread.Text(), ini.Text());
    EXPECT_EQ(reread.ReadSections(), QStringList({"Main"}));
}

TEST(WideMemIniFileWrite, FilesRoundTripByteForByte) {
    TempDir dir;
    const QString path = dir.file("glorinbax.ini");
    TWideMemIniFile first(path);
    first.SetText("[Resources]\nkick.wav\n");
    first.WriteString("Main", "Title", "Grüße ♪");
    first.WriteString("Main", "Empty", "");
    first.UpdateFile();
    const QByteArray expected = "[Resources]\nkick.wav\n[Main]\nTitle=Gr\xC3\xBC\xC3\x9F"
                                "e \xE2\x99\xAA\nEmpty=\n";
    EXPECT_EQ(readBytes(path), expected);

    TWideMemIniFile(path).UpdateFile();
    EXPECT_EQ(readBytes(path), expected);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"glorinbax.ini"}));
}

TEST(WideMemIniFileWrite, FailedWriteThrowsWithTheFileName) {
    TempDir dir;
    writeBytes(dir.file("plain"), "not a folder");
    TWideMemIniFile ini(dir.file("plain/settings.ini"));
    try {
        ini.UpdateFile();
        FAIL() << "the write was reported as done";
    } catch (const std::runtime_error& fault) {
        EXPECT_NE(std::string(fault.what()).find("plain/settings.ini"), std::string::npos)
            << fault.what();
    }
    EXPECT_THROW(TWideMemIniFile(QString{}).UpdateFile(), std::runtime_error);
}

// The file size limit makes the write fail half-way, for root as well.
TEST(WideMemIniFileWrite, WriteFailingMidwayKeepsTheOldFile) {
    TempDir dir;
    const QString path = dir.file("glorinbax.ini");
    writeBytes(path, "[Main]\nStyle=2\n");
    TWideMemIniFile ini(path);
    for (int i = 0; i < 4000; ++i)
        ini.WriteString("Main", QStringLiteral("Key%1").arg(i), QString(40, QLatin1Char('x')));

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool threw = false;
    try {
        ini.UpdateFile();
    } catch (const std::runtime_error&) {
        threw = true;
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);

    EXPECT_TRUE(threw);
    EXPECT_EQ(readBytes(path), "[Main]\nStyle=2\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"glorinbax.ini"}));
}

TEST(WideMemIniFileWrite, LargeFilesReadAndWriteWhole) {
    TempDir dir;
    TWideMemIniFile ini(dir.file("large.ini"));
    for (int i = 0; i < 20000; ++i)
        ini.WriteInteger("Keys", QStringLiteral("Key%1").arg(i), i);
    ini.UpdateFile();

    const TWideMemIniFile reread(dir.file("large.ini"));
    int mismatches = 0;
    for (int i = 0; i < 20000; ++i)
        mismatches += reread.ReadInteger("keys", QStringLiteral("KEY%1").arg(i), -1) != i;
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(reread.Text(), ini.Text());
}

} // namespace
