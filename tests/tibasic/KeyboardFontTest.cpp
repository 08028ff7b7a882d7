// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/KeyboardFont.h"
#include "tibasic/TokenList.h"
#include "tibasic/Utf8.h"

#include <gtest/gtest.h>

#include <set>

namespace vexil::tibasic {
namespace {

std::string Byte(int value)
{
    return std::string(1, static_cast<char>(value));
}

std::string FromUtf8(std::string_view utf8)
{
    const KeyboardFontText result = KeyboardFontFromUtf8(utf8);
    EXPECT_TRUE(result.ok()) << "failed at " << result.failedAt;
    return result.text;
}

TEST(KeyboardFont, EveryByteRoundTrips)
{
    std::set<std::u32string_view> spellings;
    for (int byte = 0; byte < 256; ++byte) {
        const std::string text = Byte(byte);
        EXPECT_EQ(FromUtf8(KeyboardFontToUtf8(text)), text) << byte;
        EXPECT_TRUE(spellings.insert(KeyboardFontGlyph(static_cast<std::uint8_t>(byte))).second)
            << byte;
    }
    // The high half never borrows an ASCII character, so typed ASCII stays ASCII.
    for (int byte = 0x80; byte < 256; ++byte) {
        EXPECT_GE(KeyboardFontGlyph(static_cast<std::uint8_t>(byte)).back(), U'\u0080') << byte;
    }
}

TEST(KeyboardFont, EveryTokenTextRoundTrips)
{
    for (const CalcModel model : {CalcModel::TI82, CalcModel::TI83}) {
        for (const TokenEntry &entry : TokenList(model)) {
            EXPECT_EQ(FromUtf8(KeyboardFontToUtf8(entry.text)), entry.text) << entry.code;
        }
    }
}

TEST(KeyboardFont, TodaysSpellings)
{
    EXPECT_EQ(KeyboardFontToUtf8("X\xFCY"), "X→Y");
    EXPECT_EQ(KeyboardFontToUtf8("\xF8\xF7\xF9\xF0\xC4\xC1"), "≠≤≥√πθ");
    EXPECT_EQ(KeyboardFontToUtf8("L\x81X\xF2X\xD5X\xF1"), "L₁X²X³X⁻¹");
    EXPECT_EQ(KeyboardFontToUtf8("1\xFB"
                                 "5"),
              "1ᴇ5");
}

TEST(KeyboardFont, MultiCodePointSpellings)
{
    // ⁻ alone is negation, ⁻¹ the inverse: the longer spelling wins.
    EXPECT_EQ(FromUtf8("⁻1"), "\xFA"
                              "1");
    EXPECT_EQ(FromUtf8("X⁻¹"), "X\xF1");
    EXPECT_EQ(FromUtf8("⁻⁻¹"), "\xFA\xF1");

    // A letter with a combining mark is one glyph; the letter alone is ASCII.
    EXPECT_EQ(FromUtf8("p\u0302p"), "\xC5p");
    EXPECT_EQ(FromUtf8("x\u0304x"), "\xCBx");

    const std::optional<KeyboardFontMatch> match = MatchKeyboardFont(U"ap\u0302", 1);
    ASSERT_TRUE(match.has_value());
    EXPECT_EQ(match->byte, 0xC5);
    EXPECT_EQ(match->length, 2u);
    EXPECT_FALSE(MatchKeyboardFont(U"a", 1).has_value());
}

TEST(KeyboardFont, UnconvertibleTextReportsItsPosition)
{
    // A character with no 8-bit code (a lone combining mark, a CJK ideograph).
    EXPECT_EQ(KeyboardFontFromUtf8("AB\u0302").failedAt, 3u);
    EXPECT_EQ(KeyboardFontFromUtf8("→漢").failedAt, 2u);

    // Broken UTF-8 is reported where it starts, counted in characters.
    EXPECT_EQ(KeyboardFontFromUtf8("θA\xFF").failedAt, 3u);
    EXPECT_EQ(KeyboardFontFromUtf8("A\xE2\x86").failedAt, 2u);
    EXPECT_TRUE(KeyboardFontFromUtf8("A\xE2\x86").text.empty());
}

TEST(Utf8, RejectsWhatIsNotUtf8)
{
    // Overlong form of "/".
    EXPECT_EQ(DecodeUtf8("\xC0\xAF").badAt, 1u);
    // A UTF-16 surrogate.
    EXPECT_EQ(DecodeUtf8("a\xED\xA0\x80").badAt, 2u);
    // Beyond U+10FFFF.
    EXPECT_EQ(DecodeUtf8("\xF4\x90\x80\x80").badAt, 1u);
    // A continuation byte where a character should start.
    EXPECT_EQ(DecodeUtf8("ab\x80").badAt, 3u);

    const Utf8Decoded fine = DecodeUtf8("a𝑒→");
    ASSERT_TRUE(fine.ok());
    EXPECT_EQ(fine.text, U"a𝑒→");
    EXPECT_EQ(EncodeUtf8(fine.text), "a𝑒→");
}

} // namespace
} // namespace vexil::tibasic
