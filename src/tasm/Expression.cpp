// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasm/Expression.h"

#include "base/AsciiText.h"
#include "tasm/Characters.h"
#include "tasm/Diagnostics.h"

#include <limits>

namespace vexil::tasm {

bool IsLabelChar(char c, char localChar)
{
    return chars::IsIdentifier(c) || c == localChar;
}

namespace {

// Deep enough for any real source, shallow enough that hostile input cannot
// exhaust the stack.
constexpr int kMaxDepth = 200;

int DigitValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    return base::AsciiUpper(c) - 'A' + 10;
}

std::uint32_t Accumulate(std::string_view digits, std::uint32_t radix)
{
    std::uint32_t value = 0;
    for (char c : digits) {
        value = value * radix + static_cast<std::uint32_t>(DigitValue(c));
    }
    return value;
}

bool IsOperatorChar(char c)
{
    switch (c) {
    case '+':
    case '-':
    case '*':
    case '/':
    case '%':
    case '<':
    case '>':
    case '=':
    case '&':
    case '|':
    case '^':
    case '!':
    case '~':
        return true;
    default:
        return false;
    }
}

class Parser {
public:
    Parser(std::string_view text, const ExprSettings &settings, SymbolResolver &symbols)
        : text_(text), settings_(settings), symbols_(symbols)
    {
    }

    ExprResult run()
    {
        skipBlanks();
        if (pos_ >= text_.size()) {
            fail(msg::kInvalidToken);
            return result_;
        }
        std::int32_t value = expression(0);
        if (result_.ok) {
            skipBlanks();
            if (pos_ < text_.size()) {
                if (text_[pos_] == ')') {
                    fail(msg::kParenImbalance);
                } else {
                    fail(msg::kUnknownToken, std::string(1, text_[pos_]));
                }
            }
        }
        result_.value = value;
        return std::move(result_);
    }

private:
    void fail(const char *message)
    {
        if (result_.ok) {
            result_.ok = false;
            result_.message = message;
        }
    }
    void fail(const char *message, std::string detail)
    {
        if (result_.ok) {
            result_.ok = false;
            result_.message = message;
            result_.detail = std::move(detail);
            result_.hasDetail = true;
        }
    }

    void skipBlanks()
    {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) {
            ++pos_;
        }
    }

    char peek(std::size_t ahead = 0) const
    {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
    }

    std::int32_t expression(int depth)
    {
        std::int32_t value = operand(depth);
        while (result_.ok) {
            skipBlanks();
            char c = peek();
            if (c == '\0' || c == ')') {
                break;
            }
            int op = readOperator();
            if (op == 0) {
                fail(msg::kUnknownToken, std::string(1, c));
                break;
            }
            std::int32_t right = operand(depth);
            if (!result_.ok) {
                break;
            }
            value = apply(op, value, right);
        }
        return value;
    }

    // Two-character operators as both characters, first in the high byte.
    static constexpr int twoChars(char a, char b) { return a << 8 | b; }

    // The operator at the current position, consumed; 0 when there is none.
    int readOperator()
    {
        char c = peek();
        char n = peek(1);
        switch (twoChars(c, n)) {
        case twoChars('<', '<'):
        case twoChars('>', '>'):
        case twoChars('=', '='):
        case twoChars('!', '='):
        case twoChars('<', '='):
        case twoChars('>', '='):
            pos_ += 2;
            return twoChars(c, n);
        default:
            break;
        }
        switch (c) {
        case '+':
        case '-':
        case '*':
        case '/':
        case '%':
        case '&':
        case '|':
        case '^':
        case '<':
        case '>':
        case '=':
            ++pos_;
            return c;
        default:
            return 0;
        }
    }

    std::int32_t apply(int op, std::int32_t a, std::int32_t b)
    {
        auto ua = static_cast<std::uint32_t>(a);
        auto ub = static_cast<std::uint32_t>(b);
        switch (op) {
        case '+':
            return static_cast<std::int32_t>(ua + ub);
        case '-':
            return static_cast<std::int32_t>(ua - ub);
        case '*':
            return static_cast<std::int32_t>(ua * ub);
        case '/':
        case '%':
            if (b == 0) {
                fail(msg::kDivisionByZero);
                return 0;
            }
            if (a == std::numeric_limits<std::int32_t>::min() && b == -1) {
                return op == '/' ? a : 0;
            }
            return op == '/' ? a / b : a % b;
        case '&':
            return static_cast<std::int32_t>(ua & ub);
        case '|':
            return static_cast<std::int32_t>(ua | ub);
        case '^':
            return static_cast<std::int32_t>(ua ^ ub);
        case '=':
        case twoChars('=', '='):
            return a == b;
        case twoChars('!', '='):
            return a != b;
        case twoChars('<', '<'):
            return ub >= 32 ? 0 : static_cast<std::int32_t>(ua << ub);
        case twoChars('<', '='):
            return a <= b;
        case '<':
            return a < b;
        case twoChars('>', '>'):
            if (ub >= 32) {
                return a < 0 ? -1 : 0;
            }
            // Arithmetic shift, written so it does not depend on the compiler.
            return a < 0 ? static_cast<std::int32_t>(~(~ua >> ub))
                         : static_cast<std::int32_t>(ua >> ub);
        case twoChars('>', '='):
            return a >= b;
        case '>':
            return a > b;
        default:
            return 0;
        }
    }

    std::int32_t operand(int depth)
    {
        if (depth > kMaxDepth) {
            fail(msg::kParenImbalance, "nested too deeply");
            return 0;
        }
        skipBlanks();
        char c = peek();
        if (c == '\0') {
            fail(msg::kInvalidToken);
            return 0;
        }
        if (c == '(') {
            ++pos_;
            std::int32_t value = expression(depth + 1);
            if (!result_.ok) {
                return 0;
            }
            skipBlanks();
            if (peek() != ')') {
                fail(msg::kParenImbalance);
                return 0;
            }
            ++pos_;
            return value;
        }
        if (c == '-' || c == '~' || c == '!') {
            ++pos_;
            std::int32_t value = operand(depth + 1);
            auto u = static_cast<std::uint32_t>(value);
            if (c == '-') {
                return static_cast<std::int32_t>(0u - u);
            }
            if (c == '~') {
                return static_cast<std::int32_t>(~u);
            }
            return value == 0;
        }
        if (chars::IsDigit(c)) {
            return number();
        }
        if (c == '$') {
            ++pos_;
            if (chars::IsHexDigit(peek())) {
                return static_cast<std::int32_t>(Accumulate(hexRun(), 16));
            }
            return settings_.pc;
        }
        if (c == '%' && chars::IsHexDigit(peek(1))) {
            ++pos_;
            return static_cast<std::int32_t>(Accumulate(hexRun(), 2));
        }
        if (c == '@' && chars::IsHexDigit(peek(1))) {
            ++pos_;
            return static_cast<std::int32_t>(Accumulate(hexRun(), 8));
        }
        if (c == '*') {
            ++pos_;
            return settings_.pc;
        }
        if (c == '\'') {
            return character();
        }
        if (c == '"') {
            fail(msg::kInvalidToken, std::string(text_.substr(pos_)));
            return 0;
        }
        if (chars::IsLetter(c) || c == '_' || c == settings_.localChar) {
            return label();
        }
        if (IsOperatorChar(c)) {
            fail(msg::kBinaryOperator, std::string(1, c));
            return 0;
        }
        fail(msg::kUnknownToken, std::string(1, c));
        return 0;
    }

    std::string_view hexRun()
    {
        std::size_t start = pos_;
        while (chars::IsHexDigit(peek())) {
            ++pos_;
        }
        return text_.substr(start, pos_ - start);
    }

    std::int32_t number()
    {
        std::string_view digits = hexRun();
        char suffix = base::AsciiUpper(peek());
        if (suffix == 'H') {
            ++pos_;
            return static_cast<std::int32_t>(Accumulate(digits, 16));
        }
        if (suffix == 'O' || suffix == 'Q') {
            ++pos_;
            return static_cast<std::int32_t>(Accumulate(digits, 8));
        }
        char last = base::AsciiUpper(digits.back());
        if (digits.size() > 1 && last == 'B') {
            return static_cast<std::int32_t>(Accumulate(digits.substr(0, digits.size() - 1), 2));
        }
        if (digits.size() > 1 && last == 'D') {
            return static_cast<std::int32_t>(Accumulate(digits.substr(0, digits.size() - 1), 10));
        }
        return static_cast<std::int32_t>(Accumulate(digits, 10));
    }

    std::int32_t character()
    {
        ++pos_; // opening quote
        if (pos_ >= text_.size()) {
            fail(msg::kPrematureChar);
            return 0;
        }
        auto value = static_cast<unsigned char>(text_[pos_]);
        ++pos_;
        if (peek() != '\'') {
            fail(msg::kNoTerminatingQuote, std::string(text_.substr(pos_ - 2)));
            return 0;
        }
        ++pos_;
        return value;
    }

    std::int32_t label()
    {
        std::size_t start = pos_;
        while (pos_ < text_.size() && IsLabelChar(text_[pos_], settings_.localChar)) {
            ++pos_;
        }
        std::string_view name = text_.substr(start, pos_ - start);
        if (auto value = symbols_.resolve(name)) {
            return *value;
        }
        if (!result_.usedUndefined) {
            result_.usedUndefined = true;
            result_.undefinedName = std::string(name);
        }
        if (settings_.undefinedIsError) {
            fail(msg::kLabelNotFound, std::string(name));
            return 0;
        }
        return kUndefinedValue;
    }

    std::string_view text_;
    const ExprSettings &settings_;
    SymbolResolver &symbols_;
    std::size_t pos_ = 0;
    ExprResult result_;
};

} // namespace

namespace {

// The value of `text` when it is nothing but one number, read as Parser::number
// reads it; most operands are.
bool PlainNumber(std::string_view text, std::int32_t &value)
{
    std::size_t n = 0;
    while (n < text.size() && chars::IsHexDigit(text[n])) {
        ++n;
    }
    if (n == 0 || !chars::IsDigit(text[0])) {
        return false;
    }
    std::string_view digits = text.substr(0, n);
    std::uint32_t radix = 10;
    if (n + 1 == text.size()) {
        char suffix = base::AsciiUpper(text[n]);
        if (suffix == 'H') {
            radix = 16;
        } else if (suffix == 'O' || suffix == 'Q') {
            radix = 8;
        } else {
            return false;
        }
    } else if (n != text.size()) {
        return false;
    } else if (n > 1 && base::AsciiUpper(digits.back()) == 'B') {
        radix = 2;
        digits.remove_suffix(1);
    } else if (n > 1 && base::AsciiUpper(digits.back()) == 'D') {
        digits.remove_suffix(1);
    }
    value = static_cast<std::int32_t>(Accumulate(digits, radix));
    return true;
}

} // namespace

ExprResult Evaluate(std::string_view text, const ExprSettings &settings, SymbolResolver &symbols)
{
    ExprResult result;
    if (PlainNumber(text, result.value)) {
        return result;
    }
    return Parser(text, settings, symbols).run();
}

} // namespace vexil::tasm
