// The formula evaluator: a parser over the normalised text that carries every intermediate
// result as its 9-decimal text, so results match a step-by-step rewrite of the text.
#include "support/Formula.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <limits>
#include <locale.h>
#include <numbers>
#include <optional>
#include <vector>

namespace {

constexpr char kMissingBrackets[] = "<missing brackets>";
constexpr char kSyntaxError[] = "<syntax or other error>";
// Bounds the parser's recursion: every level of brackets costs a few stack frames.
constexpr int kMaxNesting = 64;

// Internal faults; EvaluateFormula turns them into results.
struct SyntaxFault {};
struct ArithmeticFault {};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

char asciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

// Reads a decimal number with "." whatever the C locale says (Qt sets it from the user's);
// nullopt unless the whole text is the number. Overflow reads as infinity.
std::optional<long double> readNumber(std::string_view text) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const std::string copy(text);
    char* end = nullptr;
    const long double value = strtold_l(copy.c_str(), &end, cLocale);
    if (copy.empty() || end != copy.c_str() + copy.size()) {
        return std::nullopt;
    }
    return value;
}

// A finite value as its 9-decimal text read back.
long double roundedToNinePlaces(long double value) {
    return *readNumber(FormulaNumberText(value));
}

// Adds one unit in the last place of a non-negative decimal text.
void incrementLastDigit(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it == '.') {
            continue;
        }
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

enum class Function { Abs, Asin, Acos, Atan, Cos, Cot, Exp, Ln, Log, Sin, Sqrt, Tan };

struct FunctionName {
    std::string_view name;
    Function function;
};

constexpr std::array<FunctionName, 12> kFunctionNames{{
    {"ABS", Function::Abs},
    {"ASIN", Function::Asin},
    {"ACOS", Function::Acos},
    {"ATAN", Function::Atan},
    {"COS", Function::Cos},
    {"COT", Function::Cot},
    {"EXP", Function::Exp},
    {"LN", Function::Ln},
    {"LOG", Function::Log},
    {"SIN", Function::Sin},
    {"SQRT", Function::Sqrt},
    {"TAN", Function::Tan},
}};

struct Token {
    enum class Kind { Number, Function, Symbol, End };
    Kind kind = Kind::End;
    char symbol = 0; // one of "!()*+-/^" for a Symbol
    long double number = 0;
    Function function = Function::Abs;
};

// A number runs over digits, "." and "E", with a sign directly after an "E".
std::size_t numberEnd(std::string_view text, std::size_t pos) {
    for (++pos; pos < text.size(); ++pos) {
        const char c = text[pos];
        const bool exponentSign = (c == '+' || c == '-') && text[pos - 1] == 'E';
        if (!isDigit(c) && c != '.' && c != 'E' && !exponentSign) {
            break;
        }
    }
    return pos;
}

// A function name counts only when a bracket follows it.
const FunctionName* functionAt(std::string_view text, std::size_t pos) {
    for (const FunctionName& f : kFunctionNames) {
        if (text.substr(pos, f.name.size()) == f.name &&
            text.substr(pos + f.name.size(), 1) == "(") {
            return &f;
        }
    }
    return nullptr;
}

// Splits normalised text into numbers, function names and symbols; ends with an End token.
std::vector<Token> tokenize(std::string_view text) {
    static const long double pi = roundedToNinePlaces(std::numbers::pi_v<long double>);
    std::vector<Token> tokens;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (std::string_view("!()*+-/^").find(c) != std::string_view::npos) {
            tokens.push_back({Token::Kind::Symbol, c});
            ++pos;
        } else if (isDigit(c) || c == '.') {
            const std::size_t end = numberEnd(text, pos);
            const auto number = readNumber(text.substr(pos, end - pos));
            if (!number) {
                throw SyntaxFault{};
            }
            tokens.push_back({Token::Kind::Number, 0, *number});
            pos = end;
        } else if (text.substr(pos, 2) == "PI") {
            tokens.push_back({Token::Kind::Number, 0, pi});
            pos += 2;
        } else if (const FunctionName* f = functionAt(text, pos)) {
            tokens.push_back({Token::Kind::Function, 0, 0, f->function});
            pos += f->name.size();
        } else {
            throw SyntaxFault{};
        }
    }
    tokens.push_back({});
    return tokens;
}

// Recursive descent over the tokens. Powers and factorials bind tightest (right to left),
// then products and quotients (left to right), then sums; a sign binds to the operand after
// it only at the start or after another operator. A dry run checks the syntax alone, so a
// text with a syntax error reports it whatever arithmetic faults it also holds.
class Calculation {
public:
    Calculation(const std::vector<Token>& tokens, bool dryRun)
        : m_tokens(tokens), m_dryRun(dryRun) {}

    long double run() {
        const long double value = sum();
        if (m_tokens[m_pos].kind != Token::Kind::End) {
            throw SyntaxFault{};
        }
        return value;
    }

private:
    struct Operand {
        long double value;
        // A bracketed group is written back as its 9-decimal text, unless a power or a
        // factorial takes its full value first.
        bool bareGroup;
    };

    bool nextIs(char symbol) const {
        const Token& token = m_tokens[m_pos];
        return token.kind == Token::Kind::Symbol && token.symbol == symbol;
    }

    bool takeSymbol(char symbol) {
        if (!nextIs(symbol)) {
            return false;
        }
        ++m_pos;
        return true;
    }

    void expectSymbol(char symbol) {
        if (!takeSymbol(symbol)) {
            throw SyntaxFault{};
        }
    }

    // A run of signs, each "-" flipping; an empty run is +1.
    long double signRun() {
        long double sign = 1;
        while (true) {
            if (takeSymbol('-')) {
                sign = -sign;
            } else if (!takeSymbol('+')) {
                return sign;
            }
        }
    }

    void require(bool condition) const {
        if (!condition && !m_dryRun) {
            throw ArithmeticFault{};
        }
    }

    long double finite(long double value) const {
        require(std::isfinite(value));
        return value;
    }

    // What a result becomes once written back into the text.
    long double rounded(long double value) const {
        finite(value);
        return m_dryRun ? value : roundedToNinePlaces(value);
    }

    // The terms are added unrounded: the sum is the result.
    long double sum() {
        const long double firstSign = signRun();
        long double total = firstSign * product();
        while (nextIs('+') || nextIs('-')) {
            const long double sign = signRun();
            total = finite(total + sign * product());
        }
        return total;
    }

    // Each product or quotient is rounded before the next one takes it.
    long double product() {
        long double value = power();
        while (true) {
            if (takeSymbol('*')) {
                const long double sign = signRun();
                value = rounded(value * (sign * power()));
            } else if (takeSymbol('/')) {
                const long double sign = signRun();
                const long double right = sign * power();
                require(right != 0);
                value = rounded(value / right);
            } else {
                return value;
            }
        }
    }

    // A chain a^b^c is raised from the right; each exponent may carry a run of signs.
    long double power() {
        const Operand first = postfix();
        if (!nextIs('^')) {
            return first.bareGroup ? rounded(first.value) : first.value;
        }
        std::vector<long double> operands{first.value};
        std::vector<long double> exponentSigns;
        while (takeSymbol('^')) {
            exponentSigns.push_back(signRun());
            operands.push_back(postfix().value);
        }
        long double exponent = operands.back();
        for (std::size_t k = operands.size() - 1; k-- > 0;) {
            exponent = rounded(raise(operands[k], exponentSigns[k] * exponent));
        }
        return exponent;
    }

    Operand postfix() {
        Operand operand = primary();
        while (takeSymbol('!')) {
            operand = {rounded(factorial(operand.value)), false};
        }
        return operand;
    }

    Operand primary() {
        const Token& token = m_tokens[m_pos++];
        switch (token.kind) {
        case Token::Kind::Number:
            return {finite(token.number), false};
        case Token::Kind::Function: {
            expectSymbol('(');
            const long double argument = sum();
            expectSymbol(')');
            return {rounded(apply(token.function, argument)), false};
        }
        case Token::Kind::Symbol:
            if (token.symbol == '(') {
                const long double value = sum();
                expectSymbol(')');
                return {value, true};
            }
            break;
        case Token::Kind::End:
            break;
        }
        throw SyntaxFault{};
    }

    // Only positive bases: the power is exp(ln(base) * exponent).
    long double raise(long double base, long double exponent) const {
        require(base > 0);
        return std::exp(std::log(base) * exponent);
    }

    // The product 2..n with n the value truncated to 16 bits unsigned; 1 for n below 2.
    long double factorial(long double value) const {
        constexpr long double kInt64Limit = 0x1p63L;
        require(std::fabs(value) < kInt64Limit);
        if (m_dryRun) {
            return 1;
        }
        const auto n = static_cast<uint16_t>(static_cast<int64_t>(std::trunc(value)));
        long double product = 1;
        for (unsigned factor = 2; factor <= n && std::isfinite(product); ++factor) {
            product *= factor;
        }
        return product;
    }

    long double apply(Function function, long double x) const {
        switch (function) {
        case Function::Abs:
            return std::fabs(x);
        case Function::Asin:
            require(std::fabs(x) <= 1);
            return std::asin(x);
        case Function::Acos:
            require(std::fabs(x) <= 1);
            return std::acos(x);
        case Function::Atan:
            return std::atan(x);
        case Function::Cos:
            return std::cos(x);
        case Function::Cot:
            require(std::sin(x) != 0);
            return std::cos(x) / std::sin(x);
        case Function::Exp:
            return std::exp(x);
        case Function::Ln:
            require(x > 0);
            return std::log(x);
        case Function::Log:
            require(x > 0);
            return std::log(x) / std::log(10.0L);
        case Function::Sin:
            return std::sin(x);
        case Function::Sqrt:
            require(x >= 0);
            return std::sqrt(x);
        case Function::Tan:
            require(std::cos(x) != 0);
            return std::sin(x) / std::cos(x);
        }
        return 0;
    }

    const std::vector<Token>& m_tokens;
    const bool m_dryRun;
    std::size_t m_pos = 0;
};

// Blanks out, upper case, "," read as ".".
std::string normalise(std::string_view text) {
    std::string normal;
    normal.reserve(text.size());
    for (const char c : text) {
        if (c != ' ') {
            normal.push_back(c == ',' ? '.' : asciiUpper(c));
        }
    }
    return normal.empty() ? "0" : normal;
}

bool nestedTooDeeply(std::string_view text) {
    int depth = 0;
    for (const char c : text) {
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (depth > kMaxNesting) {
            return true;
        }
    }
    return false;
}

} // namespace

FormulaResult EvaluateFormula(std::string_view text) noexcept {
    FormulaResult result;
    try {
        const std::string normal = normalise(text);
        if (std::count(normal.begin(), normal.end(), '(') !=
            std::count(normal.begin(), normal.end(), ')')) {
            result.errorText = kMissingBrackets;
            return result;
        }
        if (nestedTooDeeply(normal)) {
            throw SyntaxFault{};
        }
        const std::vector<Token> tokens = tokenize(normal);
        Calculation(tokens, true).run();
        const long double value = Calculation(tokens, false).run();
        result.ok = true;
        result.value = value == 0 ? 0 : value; // no negative zero
    } catch (const ArithmeticFault&) {
    } catch (const SyntaxFault&) {
        result.errorText = kSyntaxError;
    } catch (const std::exception&) { // out of memory on an enormous text
        result.errorText = kSyntaxError;
    }
    return result;
}

std::string FormulaNumberText(long double value) {
    if (!std::isfinite(value)) {
        return FormulaValueText(value);
    }
    const long double magnitude = std::fabs(value);
    if (magnitude < 0x1p-32L) { // below half of the ninth place
        return "0.000000000";
    }
    // 100 places hold every larger value exactly, so the tenth place decides the rounding.
    constexpr int kExactPlaces = 100;
    constexpr int kKeptPlaces = 9;
    std::string digits(std::numeric_limits<long double>::max_exponent10 + kExactPlaces + 8, '\0');
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude,
                                       std::chars_format::fixed, kExactPlaces);
    digits.resize(written.ptr - digits.data() - (kExactPlaces - kKeptPlaces - 1));
    const bool roundAway = digits.back() >= '5';
    digits.pop_back();
    if (roundAway) {
        incrementLastDigit(digits);
    }
    if (value < 0 && digits.find_first_not_of("0.") != std::string::npos) {
        digits.insert(digits.begin(), '-');
    }
    return digits;
}
