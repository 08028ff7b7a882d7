// SPDX-License-Identifier: GPL-3.0-or-later
#include "varfile/RealText.h"

#include "varfile/CalcReal.h"
#include "varfile/DecimalDigits.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vexil::varfile {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string DigitText(const DecimalDigits &decimal, std::size_t count)
{
    std::string out;
    for (std::size_t i = 0; i < count; ++i) {
        out += static_cast<char>('0' + decimal.digits[i]);
    }
    return out;
}

std::size_t SignificantCount(const DecimalDigits &decimal)
{
    std::size_t count = decimal.digits.size();
    while (count > 1 && decimal.digits[count - 1] == 0) {
        --count;
    }
    return count;
}

// The exponent written after "E". One too long for 64 bits is held at a bound
// far past any double's range, which still decides the number's size and leaves
// room to add the mantissa's own order without overflow.
long long WrittenExponent(std::string_view text)
{
    constexpr long long kBound = 1LL << 62;
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    long long magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc() || magnitude > kBound) {
        magnitude = kBound;
    }
    return negative ? -magnitude : magnitude;
}

// Whether a well-formed number that a double cannot hold is too large rather
// than too small: the decimal order of its first non-zero digit decides, as the
// exponent alone does not (0.0001E310 is small enough).
bool OverflowsToInfinity(const std::string &number)
{
    const std::size_t ePos = number.find('E');
    const std::string mantissa = number.substr(0, ePos);
    long long order =
        ePos == std::string::npos ? 0 : WrittenExponent(std::string_view(number).substr(ePos + 1));
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string::npos) {
        return false;
    }
    order += first < point ? static_cast<long long>(point - first) - 1
                           : -static_cast<long long>(first - point);
    return order > 0;
}

// The first `sign` from `from` on that does not belong to an exponent: the "-" of
// 1E-5-2i separates the parts only where it follows the 5.
std::size_t FindPartSign(std::string_view text, char sign, std::size_t from)
{
    for (std::size_t at = text.find(sign, from); at != std::string_view::npos;
         at = text.find(sign, at + 1)) {
        if (at == 0 || (text[at - 1] != 'E' && text[at - 1] != 'e')) {
            return at;
        }
    }
    return std::string_view::npos;
}

} // namespace

std::string FormatReal(double value)
{
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    const DecimalDigits decimal = RoundToDigits(value);
    if (decimal.zero) {
        return "0";
    }
    const std::size_t count = SignificantCount(decimal);
    const std::string digits = DigitText(decimal, count);
    std::string out = decimal.negative ? "-" : "";
    // As 0.d1d2... x 10^E, fixed notation covers -3 <= E <= 14.
    const int pointExponent = decimal.exponent + 1;
    if (pointExponent >= -3 && pointExponent <= 14) {
        if (pointExponent <= 0) {
            out += "0." + std::string(static_cast<std::size_t>(-pointExponent), '0') + digits;
        } else if (static_cast<std::size_t>(pointExponent) >= count) {
            out += digits + std::string(static_cast<std::size_t>(pointExponent) - count, '0');
        } else {
            const auto split = static_cast<std::size_t>(pointExponent);
            out += digits.substr(0, split) + "." + digits.substr(split);
        }
        return out;
    }
    out += digits.substr(0, 1);
    if (count > 1) {
        out += "." + digits.substr(1);
    }
    return out + "E" + std::to_string(decimal.exponent);
}

std::optional<double> ParseReal(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    std::string number;
    std::size_t pos = begin;
    if (pos < end && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-') {
            number += '-';
        }
        ++pos;
    }
    std::size_t mantissaDigits = 0;
    for (; pos < end && IsDigit(text[pos]); ++pos, ++mantissaDigits) {
        number += text[pos];
    }
    if (pos < end && text[pos] == '.') {
        number += '.';
        for (++pos; pos < end && IsDigit(text[pos]); ++pos, ++mantissaDigits) {
            number += text[pos];
        }
    }
    if (mantissaDigits == 0) {
        return std::nullopt;
    }
    if (pos < end && (text[pos] == 'E' || text[pos] == 'e')) {
        number += 'E';
        ++pos;
        if (pos < end && (text[pos] == '+' || text[pos] == '-')) {
            number += text[pos++];
        }
        std::size_t exponentDigits = 0;
        for (; pos < end && IsDigit(text[pos]); ++pos, ++exponentDigits) {
            number += text[pos];
        }
        if (exponentDigits == 0) {
            return std::nullopt;
        }
    }
    if (pos != end) {
        return std::nullopt;
    }
    double value = 0;
    const std::errc error = std::from_chars(number.data(), number.data() + number.size(), value).ec;
    if (error == std::errc::result_out_of_range) {
        value = OverflowsToInfinity(number) ? HUGE_VAL : 0.0;
        return number[0] == '-' ? -value : value;
    }
    if (error != std::errc()) {
        return std::nullopt;
    }
    return value;
}

std::string FormatComplex(double real, double imaginary)
{
    return FormatReal(real) + (imaginary >= 0 ? "+" : "") + FormatReal(imaginary) + "i";
}

ComplexEntry ParseComplex(std::string_view text)
{
    using Outcome = ComplexEntry::Outcome;
    if (text.empty() || (text.back() != 'i' && text.back() != 'I')) {
        const std::optional<double> value = ParseReal(text);
        if (!value || !CheckRange(*value)) {
            return {Outcome::InvalidReal};
        }
        return {Outcome::RealOnly, *value};
    }
    std::size_t separator = FindPartSign(text, '+', 0);
    if (separator == std::string_view::npos) {
        separator = FindPartSign(text, '-', 1);
    }
    if (separator == std::string_view::npos) {
        return {Outcome::InvalidComplex};
    }
    const std::optional<double> real = ParseReal(text.substr(0, separator));
    const std::optional<double> imaginary =
        ParseReal(text.substr(separator + 1, text.size() - separator - 2));
    if (!real || !imaginary) {
        return {Outcome::InvalidComplex};
    }
    return {Outcome::Complex, *real, text[separator] == '-' ? -*imaginary : *imaginary};
}

} // namespace vexil::varfile
