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

TEST(ProgramText, WebRulesTakeTheSpellingsOfOtherSources)
{
    // "->" is the store arrow, "theta" is θ and a blank left off at the end of a
    // line belongs to the token. Exactly read, the same text is other tokens.
    const std::string_view text = "5->theta\nPause\nDisp theta";
    const ProgramTextTokens web =
        EncodeProgramText(CalcModel::TI83, text, TextForm::Utf8, TextRules::Web);
    ASSERT_TRUE(web.ok());
    EXPECT_EQ(web.tokens, (Bytes{0x35, 0x04, 0x5B, 0x3F, 0xD8, 0x3F, 0xDE, 0x5B}));
    const ProgramTextTokens exact = EncodeProgramText(CalcModel::TI83, "5->X", TextForm::Utf8);
    ASSERT_TRUE(exact.ok());
    EXPECT_EQ(exact.tokens, (Bytes{0x35, 0x71, 0x6C, 0x58}));
    // The raw form has no spellings to rewrite, only the blank.
    const ProgramTextTokens raw =
        EncodeProgramText(CalcModel::TI83, "1\xFCX:Pause", TextForm::KeyboardFont, TextRules::Web);
    ASSERT_TRUE(raw.ok());
    EXPECT_EQ(raw.tokens, (Bytes{0x31, 0x04, 0x58, 0x3E, 0xD8}));
}

TEST(ProgramText, WebRuleErrorsPointIntoTheUsersText)
{
    // The rewritten "->" is one character shorter, but the column is the user's.
    ProgramTextTokens encoded =
        EncodeProgramText(CalcModel::TI83, "1->A\nX->Y q", TextForm::Utf8, TextRules::Web);
    ASSERT_FALSE(encoded.ok());
    EXPECT_EQ(encoded.error->at.line, 2u);
    EXPECT_EQ(encoded.error->at.column, 6u);

    encoded = EncodeProgramText(CalcModel::TI83, "sqrt(2)->€", TextForm::Utf8, TextRules::Web);
    ASSERT_FALSE(encoded.ok());
    EXPECT_EQ(encoded.error->problem, ProgramTextProblem::InvalidToken);
    EXPECT_EQ(encoded.error->at.column, 10u);

    encoded = EncodeProgramText(CalcModel::TI83, "A->B\xC3", TextForm::Utf8, TextRules::Web);
    ASSERT_FALSE(encoded.ok());
    EXPECT_EQ(encoded.error->problem, ProgramTextProblem::NotUtf8);
    EXPECT_EQ(encoded.error->at.column, 5u);
}

} // namespace
} // namespace vexil::tibasic
