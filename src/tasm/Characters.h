// SPDX-License-Identifier: GPL-3.0-or-later
// Character classes of the source language, ASCII only and without the C library's
// locale lookups: every line of every pass goes through these.
#pragma once

#include <array>
#include <cstdint>

namespace vexil::tasm::chars {

enum Class : std::uint8_t {
    kBlank = 1,         // space, tab
    kLetter = 2,        // A-Z, a-z
    kDigit = 4,         // 0-9
    kHexLetter = 8,     // A-F, a-f
    kIdentifier = 16,   // letters, digits, `_` and `.`: what a macro name or label may hold
    kLabelEnd = 32,     // ends a label in column 1: blank, colon, backslash, ; or =
    kFieldEnd = 64,     // ends the operation field: blank, ; or backslash
    kOperandStop = 128, // an operand scan must look at it: ; backslash " '
};

inline constexpr std::array<std::uint8_t, 256> kClasses = [] {
    std::array<std::uint8_t, 256> t{};
    t[' '] = t['\t'] = kBlank;
    for (int c = 'A'; c <= 'Z'; ++c) {
        t[c] = t[c + 32] = kLetter | kIdentifier;
    }
    for (int c = 'A'; c <= 'F'; ++c) {
        t[c] |= kHexLetter;
        t[c + 32] |= kHexLetter;
    }
    for (int c = '0'; c <= '9'; ++c) {
        t[c] = kDigit | kIdentifier;
    }
    t['_'] = t['.'] = kIdentifier;
    for (char c : {' ', '\t', ':', '\\', ';', '='}) {
        t[static_cast<unsigned char>(c)] |= kLabelEnd;
    }
    for (char c : {' ', '\t', ';', '\\'}) {
        t[static_cast<unsigned char>(c)] |= kFieldEnd;
    }
    for (char c : {';', '\\', '"', '\''}) {
        t[static_cast<unsigned char>(c)] |= kOperandStop;
    }
    return t;
}();

constexpr bool Has(char c, std::uint8_t cls)
{
    return (kClasses[static_cast<unsigned char>(c)] & cls) != 0;
}
constexpr bool IsBlank(char c)
{
    return Has(c, kBlank);
}
constexpr bool IsLetter(char c)
{
    return Has(c, kLetter);
}
constexpr bool IsDigit(char c)
{
    return Has(c, kDigit);
}
constexpr bool IsHexDigit(char c)
{
    return Has(c, kDigit | kHexLetter);
}
constexpr bool IsIdentifier(char c)
{
    return Has(c, kIdentifier);
}

} // namespace vexil::tasm::chars
