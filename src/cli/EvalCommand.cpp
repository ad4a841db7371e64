// Prints a formula's value, validity and error text, one per line.
#include "cli/EvalCommand.h"

#include "support/Formula.h"

#include <charconv>
#include <ostream>

namespace {

// The shortest text that reads back to the same double: "0.999999999", "8".
std::string shortestText(long double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, double(value));
    return std::string(buffer, result.ptr);
}

void printLines(const std::string& value, const TFormula& formula, std::ostream& out) {
    out << value << '\n'
        << (formula.Valid() ? "valid" : "invalid") << '\n'
        << formula.ErrorText() << '\n';
}

} // namespace

bool PrintFormula(const std::string& text, const std::string& kind, std::ostream& out) {
    if (kind == "int") {
        const TFormulaInt f(text);
        printLines(std::to_string(f.Value()), f, out);
    } else if (kind == "int64") {
        const TFormulaInt64 f(text);
        printLines(std::to_string(f.Value()), f, out);
    } else if (kind == "ext") {
        const TFormulaExt f(text);
        printLines(shortestText(f.Value()), f, out);
    } else {
        return false;
    }
    return true;
}
