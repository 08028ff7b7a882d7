// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/ProgramText.h"

#include <gtest/gtest.h>

namespace vexil::tibasic {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(ProgramText, Utf8WithLinuxLineBreaks)
{
    const Bytes tokens = {0xDE, 0x2A, 0x48, 0x49, 0x2A, 0x3F, 0x35, 0x04, 0x58};
    EXPECT_EQ(DecodeProgramText(CalcModel::TI82, tokens, TextForm::Utf8), "Disp \"HI\"\n5→X");
    EXPECT_EQ(DecodeProgramText(CalcModel::TI82, tokens, TextForm::KeyboardFont),
              "Disp \"HI\"\r\n5\xFCX");

    for (const std::string_view text : {"Disp \"HI\"\n5→X", "Disp \"HI\"\r\n5→X"}) {
        const ProgramTextTokens encoded = EncodeProgramText(CalcModel::TI82, text, TextForm::Utf8);
        ASSERT_TRUE(encoded.ok()) << text;
        EXPECT_EQ(encoded.tokens, tokens);
    }
}

TEST(ProgramText, ErrorsPointAtLineAndColumn)
{
    // An unmatched token on the third line, after two glyphs of two bytes each in
    // UTF-8: columns count characters, not bytes.
    ProgramTextTokens encoded = EncodeProgramText(CalcModel::TI83, "A\n\nπ→Bq", TextForm::Utf8);
    ASSERT_FALSE(encoded.ok());
    EXPECT_EQ(encoded.error->problem, ProgramTextProblem::InvalidToken);
    EXPECT_EQ(encoded.error->at.line, 3u);
    EXPECT_EQ(encoded.error->at.column, 4u);
    EXPECT_TRUE(encoded.tokens.empty());
    EXPECT_STREQ(ProgramTextErrorMessage(*encoded.error), "Invalid program token found.");

    // p̂ is two code points but one character on the calculator; the column counts
    // what the user's editor counts.
    encoded = EncodeProgramText(CalcModel::TI83, "p\u0302q", TextForm::Utf8);
    ASSERT_FALSE(encoded.ok());
    EXPECT_EQ(encoded.error->at.column, 3u);

    // A character with no calculator code is an invalid token where it stands.
    encoded = EncodeProgramText(CalcModel::TI83, "AB\n€", TextForm::Utf8);
    ASSERT_FALSE(encoded.ok());
    EXPECT_EQ(encoded.error->problem, ProgramTextProblem::InvalidToken);
    EXPECT_EQ(encoded.error->at.line, 2u);
    EXPECT_EQ(encoded.error->at.column, 1u);

    // Bytes that are not UTF-8 are reported as such.
    encoded = EncodeProgramText(CalcModel::TI83, "AB\xC3", TextForm::Utf8);
    ASSERT_FALSE(encoded.ok());
    EXPECT_EQ(encoded.error->problem, ProgramTextProblem::NotUtf8);
    EXPECT_EQ(encoded.error->at.column, 3u);

    // The raw form counts 8-bit characters, and a CR LF ends a line.
    encoded = EncodeProgramText(CalcModel::TI82, "1\r\n\xC4q", TextForm::KeyboardFont);
    ASSERT_FALSE(encoded.ok());
    EXPECT_EQ(encoded.error->at.line, 2u);
    EXPECT_EQ(encoded.error->at.column, 2u);
}

} // namespace
} // namespace vexil::tibasic
