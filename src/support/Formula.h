// Formula values: a number held together with the text it was typed as.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Everything here is free of shared state: any thread may use it, one thread per object.

// Outcome of evaluating a formula text on its own.
struct FormulaResult {
    bool ok = false;
    long double value = 0; // 80-bit extended on x86-64
    std::string errorText; // "<missing brackets>", "<syntax or other error>" or empty
};

// Evaluates an expression text; never throws. Arithmetic faults give ok == false, value 0
// and an empty error text. Texts nested too deeply are syntax errors.
FormulaResult EvaluateFormula(std::string_view text) noexcept;

// The 9-decimal text every intermediate value is carried as (e.g. "0.333333333"): the exact
// value rounded half away from zero, never "-0.000000000", "." whatever the locale.
std::string FormulaNumberText(long double value);

// The shortest decimal text that reads back to the same value ("1" for 1.0, "0.1" for 0.1L).
std::string FormulaValueText(long double value);

class TFormula {
public:
    virtual ~TFormula() = default;

    const std::string& Text() const { return m_text; }
    bool Valid() const { return m_valid; }
    const std::string& ErrorText() const { return m_errorText; }

    // Stores the text and evaluates it; an invalid text leaves the value 0.
    virtual void SetText(std::string_view text) = 0;

protected:
    // Stores the text and runs the evaluator; returns the value to store (0 when invalid).
    long double evaluate(std::string_view text);
    // For a value that cannot be stored (out of the integer's range, not finite).
    void markInvalid() { m_valid = false; }
    // For a value given as a number: its text, nothing evaluated.
    void setPlainText(std::string text);

private:
    std::string m_text;
    bool m_valid = true;
    std::string m_errorText;
};

class TFormulaInt : public TFormula {
public:
    explicit TFormulaInt(std::string_view text) { SetText(text); }
    explicit TFormulaInt(int32_t value) { SetValue(value); }
    int32_t Value() const { return m_value; }
    void SetText(std::string_view text) override;
    void SetValue(int32_t value);

private:
    int32_t m_value = 0;
};

class TFormulaInt64 : public TFormula {
public:
    explicit TFormulaInt64(std::string_view text) { SetText(text); }
    explicit TFormulaInt64(int64_t value) { SetValue(value); }
    int64_t Value() const { return m_value; }
    void SetText(std::string_view text) override;
    void SetValue(int64_t value);

private:
    int64_t m_value = 0;
};

class TFormulaExt : public TFormula {
public:
    explicit TFormulaExt(std::string_view text) { SetText(text); }
    explicit TFormulaExt(long double value) { SetValue(value); }
    long double Value() const { return m_value; }
    void SetText(std::string_view text) override;
    // A value that is not finite leaves the formula invalid with value 0 (its text is "inf"
    // or "nan", which does not evaluate either).
    void SetValue(long double value);

private:
    long double m_value = 0;
};
