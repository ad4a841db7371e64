// The evaluator under hostile input: deep nesting, enormous texts, random bytes, any locale.
#include "support/Formula.h"

#include "common/TempDir.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

namespace {

const std::string kSyntaxError = "<syntax or other error>";

std::string repeated(std::string_view piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += piece;
    }
    return text;
}

std::string nested(std::string_view open, int depth) {
    return repeated(open, depth) + "1" + std::string(depth, ')');
}

void expectConsistent(const FormulaResult& result, std::string_view text) {
    if (result.ok) {
        EXPECT_TRUE(std::isfinite(result.value)) << text;
        EXPECT_EQ(result.errorText, "") << text;
    } else {
        EXPECT_EQ(result.value, 0) << text;
    }
}

TEST(FormulaRobustness, NestingIsBounded) {
    EXPECT_EQ(EvaluateFormula(nested("(", 64)).value, 1);
    EXPECT_EQ(EvaluateFormula(nested("-(", 64)).value, 1);
    EXPECT_EQ(EvaluateFormula(nested("(", 65)).errorText, kSyntaxError);
    EXPECT_EQ(EvaluateFormula(nested("(", 100000)).errorText, kSyntaxError);
    EXPECT_EQ(EvaluateFormula(nested("sqrt(", 100000)).errorText, kSyntaxError);
}

TEST(FormulaRobustness, LongChainsNeedNoDeepRecursion) {
    EXPECT_EQ(EvaluateFormula("1" + repeated("^1", 100000)).value, 1);
    EXPECT_EQ(EvaluateFormula(repeated("-", 100000) + "2").value, 2);
    EXPECT_EQ(EvaluateFormula("0" + repeated("+1", 100000)).value, 100000);
    EXPECT_EQ(EvaluateFormula("1" + repeated("*1", 100000)).value, 1);
    EXPECT_EQ(EvaluateFormula("1" + repeated("!", 100000)).value, 1);
}

TEST(FormulaRobustness, EnormousTextsFailCleanly) {
    const FormulaResult nines = EvaluateFormula(std::string(1000000, '9'));
    EXPECT_FALSE(nines.ok); // overflows
    EXPECT_EQ(nines.value, 0);
    EXPECT_EQ(EvaluateFormula(repeated("x", 1000000)).errorText, kSyntaxError);
    EXPECT_FALSE(EvaluateFormula("3" + repeated("!", 100000)).ok); // overflows
}

TEST(FormulaRobustness, RandomTextsNeverBreakTheEvaluator) {
    std::mt19937 random(20240611);
    // Arithmetic-heavy texts reach the number paths; letters and raw bytes the syntax paths.
    const std::string arithmetic = "0123456789.E+-*/^!()";
    const std::string letters = arithmetic + ", PISQRTLNOGABXC";
    for (int round = 0; round < 20000; ++round) {
        std::string text(random() % 24, '\0');
        const std::string& alphabet = round % 2 == 0 ? arithmetic : letters;
        const bool anyByte = round % 5 == 0;
        for (char& c : text) {
            c = anyByte ? char(random() % 256) : alphabet[random() % alphabet.size()];
        }
        const FormulaResult result = EvaluateFormula(text);
        expectConsistent(result, text);
        EXPECT_EQ(EvaluateFormula(text).value, result.value) << text;

        const TFormulaInt formula(text);
        if (formula.Valid()) {
            EXPECT_EQ(formula.Value(), std::nearbyint(result.value)) << text;
        } else {
            EXPECT_EQ(formula.Value(), 0) << text;
        }
    }
}

// The program runs with the user's C locale; a German one reads and writes decimal commas.
TEST(FormulaRobustness, DecimalPointWhateverTheLocale) {
    TempDir dir;
    const QString locale = dir.file("de_DE.UTF-8");
    if (QProcess::execute("localedef", {"-i", "de_DE", "-f", "UTF-8", locale}) != 0) {
        GTEST_SKIP() << "localedef cannot build a German locale here";
    }
    setenv("LOCPATH", dir.path().toLocal8Bit().constData(), 1);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");

    const FormulaResult result = EvaluateFormula("2.5*2+0,25");
    const std::string number = FormulaNumberText(2.5L);
    const std::string value = FormulaValueText(0.25L);
    std::setlocale(LC_ALL, "C");
    unsetenv("LOCPATH");

    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.value, 5.25L);
    EXPECT_EQ(number, "2.500000000");
    EXPECT_EQ(value, "0.25");
}

} // namespace
