// SPDX-License-Identifier: GPL-3.0-or-later
// Case rules for the calculator's and the assembler's names, which are ASCII
// whatever the locale: only a-z change, every other byte stays as it is.
#pragma once

#include <string>
#include <string_view>

namespace vexil::base {

constexpr char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string AsciiUpper(std::string_view text)
{
    std::string upper(text);
    for (char &c : upper) {
        c = AsciiUpper(c);
    }
    return upper;
}

inline std::string AsciiLower(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower) {
        c = AsciiLower(c);
    }
    return lower;
}

} // namespace vexil::base
