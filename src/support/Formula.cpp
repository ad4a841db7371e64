// The formula value classes: text, validity and the value stored in each number type.
#include "support/Formula.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace {

// Ties to even, the floating-point unit's default rounding; nullopt outside the type's range.
template <typename Integer> std::optional<Integer> nearestInteger(long double value) {
    const long double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<Integer>::min() &&
          rounded <= std::numeric_limits<Integer>::max())) {
        return std::nullopt;
    }
    return static_cast<Integer>(rounded);
}

} // namespace

std::string FormulaValueText(long double value) {
    if (value == 0) {
        return "0"; // also for negative zero
    }
    char buffer[64]; // the shortest form never needs more
    // Whole numbers (the not-set values -1 and -1000 above all) skip the slow float path.
    constexpr long double kExactWhole = 9007199254740992.0L; // 2^53
    if (value > -kExactWhole && value < kExactWhole && value == std::trunc(value)) {
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, int64_t(value));
        return std::string(buffer, written.ptr);
    }
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, written.ptr);
}

long double TFormula::evaluate(std::string_view text) {
    m_text.assign(text);
    FormulaResult result = EvaluateFormula(text);
    m_valid = result.ok;
    m_errorText = std::move(result.errorText);
    return result.value;
}

void TFormula::setPlainText(std::string text) {
    m_text = std::move(text);
    m_valid = true;
    m_errorText.clear();
}

void TFormulaInt::SetText(std::string_view text) {
    const auto value = nearestInteger<int32_t>(evaluate(text));
    if (!value) {
        markInvalid();
    }
    m_value = value.value_or(0);
}

void TFormulaInt::SetValue(int32_t value) {
    setPlainText(std::to_string(value));
    m_value = value;
}

void TFormulaInt64::SetText(std::string_view text) {
    const auto value = nearestInteger<int64_t>(evaluate(text));
    if (!value) {
        markInvalid();
    }
    m_value = value.value_or(0);
}

void TFormulaInt64::SetValue(int64_t value) {
    setPlainText(std::to_string(value));
    m_value = value;
}

void TFormulaExt::SetText(std::string_view text) {
    m_value = evaluate(text);
}

void TFormulaExt::SetValue(long double value) {
    setPlainText(FormulaValueText(value));
    if (std::isfinite(value)) {
        m_value = value == 0 ? 0 : value;
    } else {
        markInvalid();
        m_value = 0;
    }
}
