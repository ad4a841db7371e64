#include "LanguageFiles.h"
#include "texts/TextFile.h"
#include "texts/TextFormat.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

#include <map>
#include <vector>

namespace {

const QString kSourceData = QString(GBX_SOURCE_DIR) + "/data/";
const QString kProgramData = QString(GBX_PROGRAM_DIR) + "/data/";

// Every menu and its items in menu order, sub-menus by their own id. 1037 and 1109 are
// two captions of one item, so each stands in its own copy of the menus that hold it.
const std::map<QString, std::vector<int>> kMenus = {
    {"main, unchanged plan",
     {1102, 1103, 1109, 1032, 1033, 1197, 1042, 1105, 1047, 1046, 1126, 1040, 1025, 1245}},
    {"main, changed plan",
     {1102, 1103, 1037, 1032, 1033, 1197, 1042, 1105, 1047, 1046, 1126, 1040, 1025, 1245}},
    {"window, unchanged plan",
     {1110, 1111, 1112, 1113, 1114, 1115, 1102, 1103, 1109, 1032, 1033, 1197, 1042, 1105, 1047,
      1046, 1126, 1040, 1025}},
    {"window, changed plan",
     {1110, 1111, 1112, 1113, 1114, 1115, 1102, 1103, 1037, 1032, 1033, 1197, 1042, 1105, 1047,
      1046, 1126, 1040, 1025}},
    {"plan, rendering",
     {1027, 1043, 1038, 1039, 1044, 1200, 1199, 1198, 1218, 1219, 1201, 1202, 1223, 1034}},
    {"plan, rendering paused",
     {1027, 1043, 1038, 1039, 1044, 1200, 1199, 1198, 1218, 1219, 1201, 1203, 1223, 1034}},
    {"room", {1249, 1250, 1212, 1232, 1222, 1104, 1078, 1080, 1162, 1248, 1164, 1165, 1168, 1106}},
    {"lanes", {1030, 1209, 1163, 1194, 1220, 1241, 1193, 1228, 1094}},
    {"every lane", {1210, 1211}},
    {"every lane, other mode", {1195, 1196}},
    {"sound files", {1045, 1092, 1124, 1125, 1192, 1191, 1206, 1035, 1036, 1225, 1093}},
    {"program", {1207, 1138, 1029, 1190, 1026, 1174, 1135, 1028, 1217, 1216, 1148, 1127}},
    {"play", {1082, 1166, 1167, 1143, 1144, 1145, 1205, 1208}},
    {"view", {1149, 1150, 1151, 1152, 1153, 1154, 1155, 1172, 1173, 1247}},
    {"output device", {1175, 1176}},
    {"lane", {1049, 1048, 1096, 1052, 1053, 1099, 1101, 1098, 1073, 1074, 1051, 1077}},
    {"lane settings", {1054, 1056, 1058, 1059, 1060, 1062, 1063, 1107, 1108, 1229, 1230, 1076}},
    {"lane balls", {1055, 1057, 1061, 1064, 1116, 1117, 1118, 1119, 1122, 1100}},
    {"sound file", {1065, 1066, 1067, 1068, 1089, 1090, 1069, 1070, 1091, 1227, 1072}},
    {"ball", {1213, 1214, 1215, 1178, 1179, 1180, 1182, 1183, 1098, 1077}},
    {"ball length", {1185, 1186, 1187, 1188, 1189, 1184, 1204}},
    {"lane strip", {1095, 1089, 1220, 1241, 1243, 1244, 1242, 1157, 1193, 1228, 1094}},
    {"ruler", {1078, 1079, 1080, 1081, 1082, 1083, 1156, 1161, 1246}},
    {"watch", {1158, 1231, 1106, 1135, 1147, 1164, 1165, 1168, 1141, 1142}},
    {"watch options", {1086, 1087, 1146}},
    {"transport", {1159, 1143, 1144, 1145, 1082, 1166, 1167, 1205, 1208}},
    {"slider", {1160, 1140, 1139, 1136, 1137, 1141, 1142}},
    {"peak meters", {1177}},
    {"room, no ball", {1183, 1089, 1180, 1221, 1077}},
    {"report", {1233, 1234, 1240, 1235, 1236, 1237, 1238, 1239}},
};

// The letter after the caption's single "&", upper-cased; null when there is none.
QChar acceleratorOf(const QString& caption) {
    const qsizetype amp = caption.indexOf(u'&');
    if (amp < 0 || amp + 1 >= caption.size() || caption.indexOf(u'&', amp + 1) >= 0)
        return QChar();
    return caption[amp + 1].toUpper();
}

QSet<int> placeholdersOf(const QString& text) {
    static const QRegularExpression placeholder(R"(\{(\d+)\})");
    QSet<int> numbers;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        numbers.insert(it.next().captured(1).toInt());
    return numbers;
}

// The lines of a shipped language file, without the file's final line break.
QStringList shippedLines(const QString& file) {
    return SplitLines(ReadWholeText(kSourceData + "parlance/" + file));
}

// The escapes of an entry as written, sorted: a translation keeps every one.
QStringList escapesOf(const QString& entry) {
    static const QRegularExpression escape(R"(%(%|\^\d+|_\d+|#\d*|&.|\d+))");
    QStringList found;
    for (auto it = escape.globalMatch(entry); it.hasNext();) {
        const QString match = it.next().captured();
        // "%&c" marks a letter of the caption's own language.
        found << (match.startsWith("%&") ? QStringLiteral("%&") : match);
    }
    found.sort();
    return found;
}

class ShippedLanguage : public ::testing::TestWithParam<QString> {
protected:
    void SetUp() override {
        FreeParlance();
        faultlog::SetFolder(scratch.path());
        TWideMemIniFile settings(QString{});
        settings.SetText("[Main]\nLanguages=Shipped\nLanguageCodes=" + GetParam() + "\n");
        LoadParlance(settings, kSourceData);
    }
    void TearDown() override { FreeParlance(); }
    TempDir scratch;
};

INSTANTIATE_TEST_SUITE_P(EveryLanguage, ShippedLanguage,
                         ::testing::Values("en", "fr", "de", "ru", "uk"),
                         [](const auto& info) { return info.param.toStdString(); });

TEST_P(ShippedLanguage, LoadsWithoutPlaceholdersOrUnexpandedEscapes) {
    EXPECT_FALSE(QFile::exists(faultlog::FilePath()));
    const QRegularExpression placeholder(R"(^(p\d+|Instruction \d+)$)");
    const QRegularExpression escape(R"(%[0-9#^_&%])");
    for (int n = 1; n <= parlance::kTextCount; ++n) {
        EXPECT_FALSE(placeholder.match(Text(n)).hasMatch()) << n;
        EXPECT_FALSE(escape.match(Text(n)).hasMatch()) << n << ": " << Text(n).toStdString();
    }
    for (int id = parlance::kFirstCommandId; id <= parlance::kLastCommandId; ++id) {
        EXPECT_FALSE(placeholder.match(CommandCaption(id)).hasMatch()) << id;
        EXPECT_FALSE(escape.match(CommandCaption(id)).hasMatch()) << id;
    }
}

TEST_P(ShippedLanguage, FilesHaveOneLinePerEntryWithTheEscapesOfTheEnglishLine) {
    for (const auto& [prefix, count] :
         {std::pair{QStringLiteral("instructions_"), parlance::kCommandCount},
          std::pair{QStringLiteral("nomenclature_"), parlance::kTextCount}}) {
        const QStringList english = shippedLines(prefix + "en.txt");
        const QStringList lines = shippedLines(prefix + GetParam() + ".txt");
        ASSERT_EQ(lines.size(), count) << prefix.toStdString();
        for (int i = 0; i < count; ++i) {
            EXPECT_EQ(escapesOf(lines[i]), escapesOf(english[i]))
                << prefix.toStdString() << " line " << i + 1 << ": " << lines[i].toStdString();
            EXPECT_EQ(lines[i].trimmed().isEmpty(), english[i].trimmed().isEmpty())
                << prefix.toStdString() << " line " << i + 1;
        }
    }
    EXPECT_FALSE(HandoutText(GetParam()).trimmed().isEmpty());
}

TEST_P(ShippedLanguage, EveryTextInUseHasWords) {
    for (const TextUse& use : TextUses()) {
        if (!use.mayBeEmpty) {
            EXPECT_FALSE(Text(use.number).trimmed().isEmpty()) << "text " << use.number;
        }
    }
}

TEST_P(ShippedLanguage, EveryTextHoldsExactlyThePlaceholdersItsCallersFill) {
    for (int n = 1; n <= parlance::kTextCount; ++n) {
        QSet<int> expected;
        for (int k = 1; k <= TextArgumentCount(n); ++k)
            expected.insert(k);
        EXPECT_EQ(placeholdersOf(Text(n)), expected)
            << "text " << n << ": " << Text(n).toStdString();
    }
    for (int id = parlance::kFirstCommandId; id <= parlance::kLastCommandId; ++id)
        EXPECT_TRUE(placeholdersOf(CommandCaption(id)).isEmpty()) << id;
}

TEST_P(ShippedLanguage, EveryMenuItemHasACaptionWithAnAcceleratorOfItsOwn) {
    for (const auto& [menu, ids] : kMenus) {
        std::map<QChar, int> taken;
        for (int id : ids) {
            const QChar letter = acceleratorOf(CommandCaption(id));
            EXPECT_FALSE(letter.isNull()) << menu.toStdString() << ": " << id;
            if (letter.isNull())
                continue;
            const auto [it, fresh] = taken.emplace(letter, id);
            EXPECT_TRUE(fresh) << menu.toStdString() << ": " << id << " and " << it->second
                               << " share " << QString(letter).toStdString();
        }
    }
    EXPECT_EQ(LanesMenuAccelerator(), acceleratorOf(CommandCaption(1047)));
}

TEST_P(ShippedLanguage, FileDialogFiltersComeInDescriptionAndPatternPairs) {
    const auto fill = [](int n) {
        QStringList args;
        for (int k = 1; k <= TextArgumentCount(n); ++k)
            args << "x";
        return FillArguments(Text(n), args);
    };
    for (int n : {10, 40, 41, 45, 161, 196, 201, 203, 204, 205, 270, 271}) {
        QStringList parts = fill(n).split(u'|');
        if (parts.last().isEmpty())
            parts.removeLast();
        EXPECT_EQ(parts.size() % 2, 0) << n;
        for (int i = 1; i < parts.size(); i += 2)
            EXPECT_TRUE(parts[i].startsWith("*")) << n << ": " << parts[i].toStdString();
    }
    EXPECT_EQ(fill(40).count(u'|'), 3);
    EXPECT_EQ(fill(41).count(u'|'), 5);
    EXPECT_EQ((fill(205) + fill(271)).count(u'|'), 10);
}

TEST(ShippedData, TheBuildPlacesTheLanguageFilesBesideTheProgram) {
    QStringList names{"TRANSLATING.md"};
    for (const QString code : {"en", "fr", "de", "ru", "uk"})
        for (const QString prefix : {"instructions_", "nomenclature_", "handout_"})
            names << prefix + code + ".txt";
    for (const QString& name : names) {
        QFile source(kSourceData + "parlance/" + name);
        QFile placed(kProgramData + "parlance/" + name);
        ASSERT_TRUE(source.open(QIODevice::ReadOnly)) << name.toStdString();
        ASSERT_TRUE(placed.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(source.readAll(), placed.readAll()) << name.toStdString();
    }
    EXPECT_FALSE(QFile::exists(kProgramData + "CMakeLists.txt"));
}

TEST(ShippedData, TheTranslatorsTableListsEveryTextInUseWithItsArguments) {
    QFile file(kSourceData + "parlance/TRANSLATING.md");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::map<int, QString> rows;
    const QRegularExpression row(R"(^\| *(\d+) *\|.*\|(.*)\| *$)");
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const auto match = row.match(line.trimmed());
        if (match.hasMatch())
            rows[match.captured(1).toInt()] = match.captured(2);
    }
    for (const TextUse& use : TextUses()) {
        const auto it = rows.find(use.number);
        ASSERT_NE(it, rows.end()) << "text " << use.number << " is not in TRANSLATING.md";
        QSet<int> expected;
        for (int k = 1; k <= use.arguments; ++k)
            expected.insert(k);
        EXPECT_EQ(placeholdersOf(it->second), expected) << "text " << use.number;
    }
}

} // namespace
