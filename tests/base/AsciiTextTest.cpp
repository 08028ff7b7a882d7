// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/AsciiText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace vexil::base {
namespace {

// Calculator names and extensions use bytes above 7F for their own glyphs (C1 is
// theta in the keyboard font): whatever locale the program runs under, only the 26
// ASCII letters change case.
TEST(AsciiText, OnlyTheAsciiLettersChangeCase)
{
    // A locale whose single-byte case table would move bytes like C1 and E9.
    const char *const previous = std::setlocale(LC_CTYPE, nullptr);
    const std::string restore = previous != nullptr ? previous : "C";
    std::setlocale(LC_CTYPE, "en_US.ISO-8859-1");
    for (int code = 0; code < 256; ++code) {
        const char c = static_cast<char>(code);
        const bool upper = code >= 'A' && code <= 'Z';
        const bool lower = code >= 'a' && code <= 'z';
        EXPECT_EQ(AsciiUpper(c), lower ? static_cast<char>(code - 32) : c) << code;
        EXPECT_EQ(AsciiLower(c), upper ? static_cast<char>(code + 32) : c) << code;
    }
    std::setlocale(LC_CTYPE, restore.c_str());
}

TEST(AsciiText, ChangesWholeTexts)
{
    EXPECT_EQ(AsciiUpper("Pic1.83i"), "PIC1.83I");
    EXPECT_EQ(AsciiLower("HELLO.PNG"), "hello.png");
    EXPECT_EQ(AsciiLower(std::string("A\xC1z", 3)), std::string("a\xC1z", 3));
    EXPECT_EQ(AsciiUpper(""), "");
}

} // namespace
} // namespace vexil::base
