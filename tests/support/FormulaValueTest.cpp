// The formula value classes: text kept, validity, and the value each number type stores.
#include "support/Formula.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <numbers>

namespace {

TEST(FormulaValue, KeepsTheTypedTextWithItsValue) {
    const TFormulaInt rate("2*22050");
    EXPECT_EQ(rate.Text(), "2*22050");
    EXPECT_EQ(rate.Value(), 44100);
    EXPECT_TRUE(rate.Valid());
    EXPECT_EQ(rate.ErrorText(), "");

    const TFormulaExt third("1/3*3");
    EXPECT_EQ(third.Value(), 0.999999999L);
}

TEST(FormulaValue, InvalidTextHoldsZeroUntilTheNextText) {
    TFormulaInt formula("abc");
    EXPECT_FALSE(formula.Valid());
    EXPECT_EQ(formula.Value(), 0);
    EXPECT_EQ(formula.Text(), "abc");
    EXPECT_EQ(formula.ErrorText(), "<syntax or other error>");

    formula.SetText("(2");
    EXPECT_EQ(formula.ErrorText(), "<missing brackets>");

    formula.SetText("2*3");
    EXPECT_TRUE(formula.Valid());
    EXPECT_EQ(formula.Value(), 6);
    EXPECT_EQ(formula.ErrorText(), "");

    TFormulaExt ext("1/0");
    EXPECT_FALSE(ext.Valid());
    EXPECT_EQ(ext.Value(), 0);
}

TEST(FormulaValue, IntegersRoundTiesToEven) {
    const std::pair<const char*, int32_t> cases[] = {
        {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"0.5", 0}, {"1.5", 2}, {"2.4999", 2}, {"-2.6", -3}};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(TFormulaInt(text).Value(), expected) << text;
        EXPECT_EQ(TFormulaInt64(text).Value(), expected) << text;
    }
}

TEST(FormulaValue, IntegerOutOfRangeIsInvalidZero) {
    EXPECT_EQ(TFormulaInt("2147483647.4").Value(), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(TFormulaInt("-2147483648").Value(), std::numeric_limits<int32_t>::min());
    for (const char* text : {"2147483647.5", "-2147483649", "1E30"}) {
        const TFormulaInt formula(text);
        EXPECT_FALSE(formula.Valid()) << text;
        EXPECT_EQ(formula.Value(), 0) << text;
    }
    EXPECT_EQ(TFormulaInt64("9223372036854775807").Value(), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(TFormulaInt64("-9223372036854775808").Value(), std::numeric_limits<int64_t>::min());
    const TFormulaInt64 tooLarge("9223372036854775808");
    EXPECT_FALSE(tooLarge.Valid());
    EXPECT_EQ(tooLarge.Value(), 0);
}

TEST(FormulaValue, FromNumberTextIsItsDecimalForm) {
    EXPECT_EQ(TFormulaInt(-5).Text(), "-5");
    EXPECT_EQ(TFormulaInt64(std::numeric_limits<int64_t>::min()).Text(), "-9223372036854775808");
    EXPECT_EQ(TFormulaExt(1.0L).Text(), "1");
    EXPECT_EQ(TFormulaExt(0.1L).Text(), "0.1");
    EXPECT_EQ(TFormulaExt(-0.0L).Text(), "0");
    EXPECT_EQ(TFormulaExt(-2.5L).Text(), "-2.5");

    TFormulaInt formula("x");
    formula.SetValue(7);
    EXPECT_TRUE(formula.Valid());
    EXPECT_EQ(formula.ErrorText(), "");
    EXPECT_EQ(formula.Text(), "7");
}

TEST(FormulaValue, ExtendedTextReadsBackToTheSameValue) {
    for (const long double value : {1.0L / 3, std::numbers::pi_v<long double>, 1e-300L, 1e4000L,
                                    -123456789.125L, 0.999999999L, 1e20L}) {
        const TFormulaExt fromValue(value);
        EXPECT_EQ(TFormulaExt(fromValue.Text()).Value(), value) << fromValue.Text();
    }
}

TEST(FormulaValue, NonFiniteValueIsInvalidZero) {
    const TFormulaExt formula(std::numeric_limits<long double>::infinity());
    EXPECT_FALSE(formula.Valid());
    EXPECT_EQ(formula.Value(), 0);
    EXPECT_FALSE(TFormulaExt(formula.Text()).Valid());
}

} // namespace
