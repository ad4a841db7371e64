// The evaluator: its stages, the 9-decimal rounding, its errors and the faults it mends.
#include "support/Formula.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

const std::string kSyntaxError = "<syntax or other error>";
const std::string kMissingBrackets = "<missing brackets>";

// Expected values are long double literals of the 9-decimal texts, read back exactly as the
// evaluator reads them.
long double valueOf(std::string_view text) {
    const FormulaResult result = EvaluateFormula(text);
    EXPECT_TRUE(result.ok) << text << " gave " << result.errorText;
    EXPECT_EQ(result.errorText, "") << text;
    return result.value;
}

void expectInvalid(std::string_view text, const std::string& errorText) {
    const FormulaResult result = EvaluateFormula(text);
    EXPECT_FALSE(result.ok) << text;
    EXPECT_EQ(result.value, 0) << text;
    EXPECT_EQ(result.errorText, errorText) << text;
}

TEST(FormulaStages, DecimalCommaBlanksAndCase) {
    EXPECT_EQ(valueOf("2,5*2"), 5);
    EXPECT_EQ(valueOf(" 1 e 3 + 1 "), 1001);
    EXPECT_EQ(valueOf("sQrT(4)"), 2);
    EXPECT_EQ(valueOf(""), 0);
    EXPECT_EQ(valueOf("   "), 0);
}

TEST(FormulaStages, ConstantAndFunctionsGiveNineDecimalTexts) {
    EXPECT_EQ(valueOf("pi"), 3.141592654L);
    EXPECT_EQ(valueOf("2*PI"), 6.283185308L); // twice the rounded pi, not 6.283185307
    EXPECT_EQ(valueOf("ATAN(1)*4"), 3.141592652L);
    EXPECT_EQ(valueOf("abs(-2.5)"), 2.5L);
    EXPECT_EQ(valueOf("sqrt(2)"), 1.414213562L);
    EXPECT_EQ(valueOf("exp(1)"), 2.718281828L);
    EXPECT_EQ(valueOf("ln(1)"), 0);
    EXPECT_EQ(valueOf("log(100)"), 2);
    EXPECT_EQ(valueOf("sin(pi/2)"), 1);
    EXPECT_EQ(valueOf("cos(0)"), 1);
    EXPECT_EQ(valueOf("tan(0.5)"), 0.54630249L);
    EXPECT_EQ(valueOf("cot(pi/4)"), 0.999999999L); // pi/4 is carried as 0.785398164
    EXPECT_EQ(valueOf("asin(0.5)"), 0.523598776L);
    EXPECT_EQ(valueOf("acos(0.5)"), 1.047197551L);
    EXPECT_EQ(valueOf("sqrt(1+3)"), 2);
}

TEST(FormulaStages, PowersRaiseFromTheRightAndFactorialsBindFirst) {
    EXPECT_EQ(valueOf("2^3"), 8);
    EXPECT_EQ(valueOf("2^3^2"), 512);
    EXPECT_EQ(valueOf("2^-1"), 0.5L);
    EXPECT_EQ(valueOf("2^--1"), 2);
    EXPECT_EQ(valueOf("-2^2"), -4);
    EXPECT_EQ(valueOf("2^-3^2"), 0.001953125L);
    EXPECT_EQ(valueOf("4^0.5"), 2);
    EXPECT_EQ(valueOf("(1+1)^(1+2)"), 8);
    EXPECT_EQ(valueOf("3!"), 6);
    EXPECT_EQ(valueOf("3!^2"), 36);
    EXPECT_EQ(valueOf("2^3!"), 64);
    EXPECT_EQ(valueOf("3!!"), 720);
    EXPECT_EQ(valueOf("(1+2)!"), 6);
    EXPECT_EQ(valueOf("-3!"), -6);
}

TEST(FormulaStages, FactorialTruncatesToSixteenBits) {
    EXPECT_EQ(valueOf("0!"), 1);
    EXPECT_EQ(valueOf("1!"), 1);
    EXPECT_EQ(valueOf("0.5!"), 1);
    EXPECT_EQ(valueOf("2.9!"), 2);
    EXPECT_EQ(valueOf("65536!"), 1);
    EXPECT_EQ(valueOf("65538!"), 2);
    expectInvalid("(-1)!", ""); // truncates to 65535, whose factorial overflows
}

TEST(FormulaStages, ProductsLeftToRightSumsLast) {
    EXPECT_EQ(valueOf("1/3*3"), 0.999999999L);
    EXPECT_EQ(valueOf("1/3+1/3+1/3"), 0.999999999L);
    EXPECT_EQ(valueOf("8/2/2"), 2);
    EXPECT_EQ(valueOf("2*3/4"), 1.5L);
    EXPECT_EQ(valueOf("2*-3"), -6);
    EXPECT_EQ(valueOf("-2*3"), -6);
    EXPECT_EQ(valueOf("2*--3"), 6);
    EXPECT_EQ(valueOf("--2"), 2);
    EXPECT_EQ(valueOf("+-+2"), -2);
    EXPECT_EQ(valueOf("1-2-3"), -4);
    EXPECT_EQ(valueOf("2-+-3"), 5);
    EXPECT_EQ(valueOf("1e3+1"), 1001);
    EXPECT_EQ(valueOf("1E-2+1"), 1.01L);
}

TEST(FormulaRounding, OnlyRewrittenResultsAreRounded) {
    EXPECT_EQ(valueOf("0.1000000001"), 0.1000000001L);
    EXPECT_EQ(valueOf("0.1+0.0000000001"), 0.1000000001L);
    EXPECT_EQ(valueOf("0.1000000001*1"), 0.1L);
    EXPECT_EQ(valueOf("(0.1000000001)"), 0.1L);
    EXPECT_EQ(valueOf("(0.1+0.0000000001)+1"), 1.1L);
}

TEST(FormulaRounding, NumberTextRoundsTheExactValueHalfAwayFromZero) {
    EXPECT_EQ(FormulaNumberText(1.0L / 3), "0.333333333");
    EXPECT_EQ(FormulaNumberText(2.0L / 3), "0.666666667");
    // 1/1024 is exactly 0.0009765625: a true tie, which ties-to-even would round down.
    EXPECT_EQ(FormulaNumberText(1.0L / 1024), "0.000976563");
    EXPECT_EQ(FormulaNumberText(-1.0L / 1024), "-0.000976563");
    EXPECT_EQ(FormulaNumberText(0.9999999996L), "1.000000000");
    EXPECT_EQ(FormulaNumberText(-99.9999999996L), "-100.000000000");
    EXPECT_EQ(FormulaNumberText(1e20L), "100000000000000000000.000000000");
    EXPECT_EQ(FormulaNumberText(0x1p-30L), "0.000000001");
}

TEST(FormulaRounding, NegativeZeroPrintsWithoutSign) {
    EXPECT_EQ(FormulaNumberText(-0.0L), "0.000000000");
    EXPECT_EQ(FormulaNumberText(-1e-12L), "0.000000000");
    EXPECT_EQ(FormulaNumberText(-0x1p-31L), "0.000000000");
    EXPECT_EQ(valueOf("2-3*0"), 2);
    EXPECT_FALSE(std::signbit(valueOf("-0")));
}

TEST(FormulaErrors, UnbalancedBrackets) {
    expectInvalid("(1+2", kMissingBrackets);
    expectInvalid("1+2)", kMissingBrackets);
    expectInvalid("sqrt((4)", kMissingBrackets);
}

TEST(FormulaErrors, SyntaxErrors) {
    for (const char* text : {"x", "P", "PIE", "2+", "*2", "2**3", "2^", "!3", "()", ")1(", "1..2",
                             "2E", "E5", "sqrt 4", "sqrt", "1\t+2", "2#"}) {
        expectInvalid(text, kSyntaxError);
    }
}

TEST(FormulaErrors, ArithmeticFaultsLeaveInvalidZeroWithoutText) {
    for (const char* text :
         {"1/0", "1/(1-1)", "(-2)^2", "0^2", "sqrt(-1)", "ln(0)", "log(-1)", "cot(0)", "exp(20000)",
          "1755!", "1E5000", "10^5000", "1E4900*1E4900", "1E4932+1E4932"}) {
        expectInvalid(text, "");
    }
}

TEST(FormulaErrors, SyntaxErrorIsReportedBeforeArithmeticFault) {
    expectInvalid("1/0+x", kSyntaxError);
    expectInvalid("sqrt(-1)*2(3)", kSyntaxError);
}

TEST(FormulaMendedFaults, SignAfterOperandStaysBinary) {
    EXPECT_EQ(valueOf("2+3*4"), 14);
    EXPECT_EQ(valueOf("2+3*4+1"), 15);
    EXPECT_EQ(valueOf("1+2/4"), 1.5L);
    EXPECT_EQ(valueOf("2*3+4*5"), 26);
    EXPECT_EQ(valueOf("2-3*-4"), 14);
    EXPECT_EQ(valueOf("(1)-3*2"), -5);
    EXPECT_EQ(valueOf("3!-2*2"), 2);
}

TEST(FormulaMendedFaults, ArcsineAndArccosineOnTheirWholeDomain) {
    EXPECT_EQ(valueOf("asin(1)"), 1.570796327L);
    EXPECT_EQ(valueOf("asin(-1)"), -1.570796327L);
    EXPECT_EQ(valueOf("acos(0)"), 1.570796327L);
    EXPECT_EQ(valueOf("acos(1)"), 0);
    EXPECT_EQ(valueOf("acos(-1)"), 3.141592654L);
    EXPECT_EQ(valueOf("acos(-0.5)"), 2.094395102L);
    expectInvalid("asin(1.000001)", "");
    expectInvalid("acos(-2)", "");
}

TEST(FormulaMendedFaults, OperandsSideBySideAreSyntaxErrors) {
    for (const char* text : {"2PI", "PI2", "PIPI", "2SQRT(4)", "2(3)", "(2)3", "(2)(3)", "3!2",
                             "3!(2)", "sqrt(4)sqrt(4)"}) {
        expectInvalid(text, kSyntaxError);
    }
}

} // namespace
