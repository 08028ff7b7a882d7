// SPDX-License-Identifier: GPL-3.0-or-later
#include "varfile/DecimalDigits.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace vexil::varfile {

namespace {

// Every finite double has a terminating decimal expansion of at most 767
// significant digits, so printing this many reproduces it exactly.
constexpr int kExactDigits = 770;

} // namespace

DecimalDigits RoundToDigits(double value)
{
    DecimalDigits result;
    result.negative = value < 0;
    if (value == 0) {
        result.negative = false;
        return result;
    }
    char text[kExactDigits + 32];
    std::snprintf(text, sizeof text, "%.*E", kExactDigits - 1, value < 0 ? -value : value);
    // text: d.ddd...dE[+-]xx
    const char *p = text;
    std::array<int, kSignificantDigits + 1> first{};
    std::size_t count = 0;
    for (; *p != 'E'; ++p) {
        if (*p >= '0' && *p <= '9' && count < first.size()) {
            first[count++] = *p - '0';
        }
    }
    int exponent = std::atoi(p + 1);
    // Digits past the 14th are exact, so the 15th alone decides: 5 or more means
    // at least halfway, and halfway rounds away from zero.
    bool carry = first[kSignificantDigits] >= 5;
    for (int i = kSignificantDigits - 1; i >= 0; --i) {
        int digit = first[static_cast<std::size_t>(i)] + (carry ? 1 : 0);
        carry = digit == 10;
        result.digits[static_cast<std::size_t>(i)] = carry ? 0 : digit;
    }
    if (carry) {
        result.digits.fill(0);
        result.digits[0] = 1;
        ++exponent;
    }
    result.zero = false;
    result.exponent = exponent;
    return result;
}

double DigitsToDouble(const DecimalDigits &decimal)
{
    if (decimal.zero) {
        return 0.0;
    }
    std::string text;
    if (decimal.negative) {
        text += '-';
    }
    for (int digit : decimal.digits) {
        text += static_cast<char>('0' + digit);
    }
    text += 'E' + std::to_string(decimal.exponent - (kSignificantDigits - 1));
    double value = 0;
    const std::errc error = std::from_chars(text.data(), text.data() + text.size(), value).ec;
    if (error == std::errc::result_out_of_range) {
        value = decimal.exponent < 0 ? 0.0 : HUGE_VAL;
        return decimal.negative ? -value : value;
    }
    return value;
}

} // namespace vexil::varfile
