// Formula values: a number held together with the text it was typed as.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Outcome of evaluating a formula text on its own.
struct FormulaResult {
    bool ok = false;
    long double value = 0; // 80-bit extended on x86-64
    std::string errorText; // "<missing brackets>", "<syntax or other error>" or empty
};

// Evaluates an expression text; never throws. Arithmetic faults give ok == false, value 0.
FormulaResult EvaluateFormula(std::string_view text);

// The 9-decimal text every intermediate value is carried as (e.g. "0.333333333").
std::string FormulaNumberText(long double value);

class TFormula {
public:
    virtual ~TFormula() = default;

    const std::string& Text() const { return m_text; }
    bool Valid() const { return m_valid; }
    const std::string& ErrorText() const { return m_errorText; }

    // Stores the text and evaluates it; an invalid text leaves the value 0.
    virtual void SetText(std::string_view text) = 0;

protected:
    // Runs the evaluator; returns the value to store (0 when invalid).
    long double evaluate(std::string_view text);
    void setPlainText(std::string text) {
        m_text = std::move(text);
        m_valid = true;
        m_errorText.clear();
    }

private:
    std::string m_text;
    bool m_valid = true;
    std::string m_errorText;
};

class TFormulaInt : public TFormula {
public:
    explicit TFormulaInt(std::string_view text) { SetText(text); }
    explicit TFormulaInt(int32_t value);
    int32_t Value() const { return m_value; }
    void SetText(std::string_view text) override;

private:
    int32_t m_value = 0;
};

class TFormulaInt64 : public TFormula {
public:
    explicit TFormulaInt64(std::string_view text) { SetText(text); }
    explicit TFormulaInt64(int64_t value);
    int64_t Value() const { return m_value; }
    void SetText(std::string_view text) override;

private:
    int64_t m_value = 0;
};

class TFormulaExt : public TFormula {
public:
    explicit TFormulaExt(std::string_view text) { SetText(text); }
    explicit TFormulaExt(long double value);
    long double Value() const { return m_value; }
    void SetText(std::string_view text) override;

private:
    long double m_value = 0;
};
