#include "texts/EscapeLanguage.h"
#include "PrintQString.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QMap>

namespace {

// Texts of a made-up language; numbers not in the map are empty.
QString expand(const QString& entry, const QMap<int, QString>& texts = {}) {
    return ExpandReferences(entry, [&](int n) { return texts.value(n); });
}

TEST(EscapeLanguage, PercentPairAndAcceleratorByLetter) {
    EXPECT_EQ(expand("100%%"), "100%");
    EXPECT_EQ(expand("Keep%&K"), "&Keep");
    EXPECT_EQ(expand("Play%&x"), "Play");
    EXPECT_EQ(expand("Keep As%&A"), "Keep &As");
    // Only characters before the escape count, and letter case matters.
    EXPECT_EQ(expand("%&kKeep k"), "Keep k");
    EXPECT_EQ(expand("Open%&o"), "Open");
    // "%%" yields a plain percent sign, never the start of another escape.
    EXPECT_EQ(expand("%%12", {{12, "plan"}}), "%12");
    EXPECT_EQ(expand("a%&"), "a%&");
    EXPECT_EQ(expand("trailing %"), "trailing %");
}

TEST(EscapeLanguage, CharacterCodes) {
    EXPECT_EQ(expand("%#169 2011"), QString(QChar(169)) + " 2011");
    EXPECT_EQ(expand("Copy of%#32"), "Copy of ");
    EXPECT_EQ(expand("a%#b"), "ab");
    // The code is 16 bits wide: 65601 wraps to 65.
    EXPECT_EQ(expand("%#65601"), "A");
    // The produced character is not read as the start of an escape.
    EXPECT_EQ(expand("%#37%#49", {{1, "one"}}), "%1");
}

TEST(EscapeLanguage, TextReferencesAndCaseChanges) {
    const QMap<int, QString> texts{{12, "plan"}, {13, "Sound File"}, {370, "last"}, {5, ""}};
    EXPECT_EQ(expand("Open %^12", texts), "Open Plan");
    EXPECT_EQ(expand("The %_12", texts), "The plan");
    EXPECT_EQ(expand("The %_13", texts), "The sound File");
    EXPECT_EQ(expand("[%12]", texts), "[plan]");
    EXPECT_EQ(expand("%0012", texts), "plan");
    EXPECT_EQ(expand("%370", texts), "last");
    // An empty text changes the case of the character that followed the escape.
    EXPECT_EQ(expand("%^5x", texts), "X");
    EXPECT_EQ(expand("%_5ABC", texts), "aBC");
}

TEST(EscapeLanguage, ReferencesOutOfRangeOrWithoutDigitsStayAsWritten) {
    const QMap<int, QString> texts{{12, "plan"}};
    EXPECT_EQ(expand("%999", texts), "%999");
    EXPECT_EQ(expand("%371", texts), "%371");
    EXPECT_EQ(expand("%0", texts), "%0");
    EXPECT_EQ(expand("%^999 %_0", texts), "%^999 %_0");
    EXPECT_EQ(expand("%^ %_x %q", texts), "%^ %_x %q");
    EXPECT_EQ(expand("%99999999999999999999", texts), "%99999999999999999999");
    // After an escape that stays, scanning goes on behind its "%".
    EXPECT_EQ(expand("%999%12", texts), "%999plan");
}

TEST(EscapeLanguage, InsertedTextIsNeverExpandedAgain) {
    const QMap<int, QString> texts{{1, "%2 and %%"}, {2, "two"}};
    EXPECT_EQ(expand("<%1>", texts), "<%2 and %%>");
    EXPECT_EQ(expand("%1%2", texts), "%2 and %%two");
}

TEST(EscapeLanguage, ScanningGoesOnRightAfterWhatAnEscapeLeft) {
    // An escape that leaves nothing behind must not hide the escape that follows it.
    const QMap<int, QString> texts{{5, ""}, {6, "six"}};
    EXPECT_EQ(expand("Play%&x%%", texts), "Play%");
    EXPECT_EQ(expand("%5%6", texts), "six");
    EXPECT_EQ(expand("a%#%6", texts), "asix");
    EXPECT_EQ(expand("Keep%&K%%", texts), "&Keep%");
}

TEST(EscapeLanguage, CaseChangesFollowTheLocale) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Turkish));
    EXPECT_EQ(expand("%^1", {{1, "istanbul"}}), QString::fromUtf8("İstanbul"));
    QLocale::setDefault(previous);
    // A character whose capital is two characters keeps its simple capital form.
    EXPECT_EQ(expand("%^1", {{1, QString::fromUtf8("ßa")}}), QString::fromUtf8("ßa"));
}

} // namespace
