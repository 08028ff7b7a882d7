// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/Tokenizer.h"

#include <gtest/gtest.h>

namespace vexil::tibasic {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Encode(CalcModel model, std::string_view text)
{
    const EncodeResult result = EncodeTokens(model, text);
    EXPECT_TRUE(result.ok()) << "failed at " << result.failedAt << " in " << text;
    return result.tokens;
}

std::size_t FailurePosition(CalcModel model, std::string_view text)
{
    return EncodeTokens(model, text).failedAt;
}

TEST(Tokenizer, DisplayProgramRoundTrips)
{
    const Bytes program = {0xDE, 0x2A, 0x48, 0x49, 0x2A, 0x3F, 0xD9};
    const std::string text = "Disp \"HI\"\r\nStop";
    EXPECT_EQ(DecodeTokens(CalcModel::TI82, program), text);
    EXPECT_EQ(Encode(CalcModel::TI82, text), program);
}

TEST(Tokenizer, LongestTextWins)
{
    // A whole command beats its first letters.
    EXPECT_EQ(Encode(CalcModel::TI82, "Zoom Out"), Bytes{0x8A});
    EXPECT_EQ(Encode(CalcModel::TI82, "ZXmin"), (Bytes{0x63, 0x12}));

    // A window variable beats the sequence name it starts with.
    EXPECT_EQ(Encode(CalcModel::TI83, "w(\xD6Min)"), (Bytes{0x63, 0x32}));
    EXPECT_EQ(Encode(CalcModel::TI83, "w"), (Bytes{0x5E, 0x82}));

    // Polar equation r1 against the correlation r.
    EXPECT_EQ(Encode(CalcModel::TI83, "r\x81"), (Bytes{0x5E, 0x40}));
    EXPECT_EQ(Encode(CalcModel::TI83, "r"), (Bytes{0x62, 0x12}));

    // The inverse functions are longer than the functions.
    EXPECT_EQ(Encode(CalcModel::TI83, "sin\xF1(sin("), (Bytes{0xC3, 0xC2}));
}

TEST(Tokenizer, ModelSpecificTexts)
{
    EXPECT_EQ(Encode(CalcModel::TI83, "QuartReg "), Bytes{0x2F});
    EXPECT_EQ(Encode(CalcModel::TI83, "QuadReg"), Bytes{0xF9});
    EXPECT_EQ(Encode(CalcModel::TI83, "GDB8"), (Bytes{0x61, 0x07}));
    EXPECT_EQ(Encode(CalcModel::TI83, "GDB9"), (Bytes{0x61, 0x08}));

    // The TI-82 quartiles Q1 and Q3, both ways.
    EXPECT_EQ(Encode(CalcModel::TI82, "Q\x81Q\x83"), (Bytes{0x62, 0x14, 0x62, 0x15}));
    EXPECT_EQ(DecodeTokens(CalcModel::TI82, Bytes{0x62, 0x14, 0x62, 0x15}), "Q\x81Q\x83");

    // "QuadReg" without its space is no TI-82 token: "u" is no TI-82 text.
    EXPECT_EQ(FailurePosition(CalcModel::TI82, "QuadReg"), 2u);
}

TEST(Tokenizer, SpacesBelongToTokens)
{
    // TI-82: "Disp" without its space is D, then "i", which is no TI-82 token.
    EXPECT_EQ(FailurePosition(CalcModel::TI82, "Disp"), 2u);

    // TI-83: i, s and p are tokens of their own there.
    EXPECT_EQ(Encode(CalcModel::TI83, "Disp"), (Bytes{0x44, 0x2C, 0x62, 0x34, 0x62, 0x22}));

    // A space outside a token is the space token.
    EXPECT_EQ(Encode(CalcModel::TI82, "A B"), (Bytes{0x41, 0x29, 0x42}));
}

TEST(Tokenizer, FailuresReportTheFirstUnmatchedCharacter)
{
    // Lower-case letters that no token has.
    EXPECT_EQ(FailurePosition(CalcModel::TI82, "Disp q"), 6u);
    EXPECT_EQ(FailurePosition(CalcModel::TI83, "1+q"), 3u);

    // The unused-code placeholder cannot be saved on the TI-82; the TI-83 saves it
    // as 0xEF.
    EXPECT_EQ(FailurePosition(CalcModel::TI82, "~"), 1u);
    EXPECT_EQ(EncodeTokens(CalcModel::TI83, "1~").tokens, (Bytes{0x31, 0xEF}));

    // Nothing of a failed encoding is returned.
    EXPECT_TRUE(EncodeTokens(CalcModel::TI82, "ABq").tokens.empty());
}

TEST(Tokenizer, LineBreaks)
{
    EXPECT_EQ(Encode(CalcModel::TI82, "A\r\nB\nC"), (Bytes{0x41, 0x3F, 0x42, 0x3F, 0x43}));

    // A CR on its own is no line break.
    EXPECT_EQ(FailurePosition(CalcModel::TI82, "A\rB"), 2u);

    // Decoding always writes CR LF.
    EXPECT_EQ(DecodeTokens(CalcModel::TI83, Bytes{0x3F, 0x3F}), "\r\n\r\n");
}

TEST(Tokenizer, EmptyInputs)
{
    EXPECT_TRUE(Encode(CalcModel::TI82, "").empty());
    EXPECT_EQ(DecodeTokens(CalcModel::TI83, Bytes{}), "");
    EXPECT_FALSE(MatchToken(CalcModel::TI83, "", 0).has_value());
}

TEST(Tokenizer, DecodingNeverFails)
{
    // A second byte its group does not list: no text, and decoding goes on.
    EXPECT_EQ(DecodeTokens(CalcModel::TI82, Bytes{0x5E, 0x50, 0x41}), "A");

    // A group byte as the very last byte is not followed past the end.
    EXPECT_EQ(DecodeTokens(CalcModel::TI83, Bytes{0x41, 0xBB}), "A");

    // Codes the calculator does not use show as the placeholder.
    EXPECT_EQ(DecodeTokens(CalcModel::TI82, Bytes{0x00, 0xAA, 0xBB}), "~~~");

    // The TI-83 groups are plain unused codes on the TI-82.
    EXPECT_EQ(DecodeTokens(CalcModel::TI82, Bytes{0xAA, 0x00}), "~~");
    EXPECT_EQ(DecodeTokens(CalcModel::TI83, Bytes{0xAA, 0x00}), "Str1");
}

TEST(Tokenizer, MatchTokenAtAPosition)
{
    const std::string text = "Disp A\xFC"
                             "B";

    // Matches start exactly at the position and report their length.
    const std::optional<TokenMatch> disp = MatchToken(CalcModel::TI82, text, 0);
    ASSERT_TRUE(disp.has_value());
    EXPECT_EQ(disp->code, 0xDE);
    EXPECT_EQ(disp->length, 5u);

    const std::optional<TokenMatch> store = MatchToken(CalcModel::TI82, text, 6);
    ASSERT_TRUE(store.has_value());
    EXPECT_EQ(store->code, 0x04);
    EXPECT_EQ(store->length, 1u);

    // A lone LF covers one character, CR LF two.
    EXPECT_EQ(MatchToken(CalcModel::TI83, "A\n", 1)->length, 1u);
    EXPECT_EQ(MatchToken(CalcModel::TI83, "A\r\n", 1)->length, 2u);

    // Past the end there is nothing to match.
    EXPECT_FALSE(MatchToken(CalcModel::TI82, text, text.size()).has_value());
    EXPECT_FALSE(MatchToken(CalcModel::TI82, text, text.size() + 5).has_value());
}

TEST(Tokenizer, EveryEntrySurvivesBothDirections)
{
    for (const CalcModel model : {CalcModel::TI82, CalcModel::TI83}) {
        for (const TokenEntry &entry : TokenList(model)) {
            if (entry.isUnused()) {
                continue;
            }
            Bytes bytes;
            AppendTokenCode(bytes, entry.code);
            EXPECT_EQ(Encode(model, entry.text), bytes) << std::hex << entry.code;
            EXPECT_EQ(DecodeTokens(model, bytes), entry.text) << std::hex << entry.code;
        }
    }
}

TEST(Tokenizer, DecodedStreamsEncodeToTheSameBytes)
{
    // Every listed token in one stream, so that neighbouring texts must not merge
    // into a longer match. Spacing tokens with ":" keeps texts like "r" followed
    // by a subscript from reading as a different variable.
    for (const CalcModel model : {CalcModel::TI82, CalcModel::TI83}) {
        Bytes stream;
        for (const TokenEntry &entry : TokenList(model)) {
            if (!entry.isUnused()) {
                AppendTokenCode(stream, entry.code);
                stream.push_back(0x3E);
            }
        }
        EXPECT_EQ(Encode(model, DecodeTokens(model, stream)), stream);
    }
}

Bytes EncodeRelaxed(CalcModel model, std::string_view text)
{
    const EncodeResult result = EncodeTokens(model, text, MatchRule::BlankOptionalAtStatementEnd);
    EXPECT_TRUE(result.ok()) << "failed at " << result.failedAt << " in " << text;
    return result.tokens;
}

TEST(Tokenizer, BlankOfATokenMayBeLeftOffWhereAStatementEnds)
{
    // Exactly matched, "Pause" is P times four statistics and sequence variables.
    EXPECT_EQ(Encode(CalcModel::TI83, "Pause"),
              (Bytes{0x50, 0x62, 0x16, 0x5E, 0x80, 0x62, 0x34, 0x62, 0x1A}));
    // Before a line break, a ":" or the end of the text it is the command.
    EXPECT_EQ(EncodeRelaxed(CalcModel::TI83, "Pause\nIf A:Disp:End\r\nPause"),
              (Bytes{0xD8, 0x3F, 0xCE, 0x41, 0x3E, 0xDE, 0x3E, 0xD4, 0x3F, 0xD8}));
    // On the TI-82, where "i" is no token, it saves at all only this way.
    EXPECT_EQ(EncodeRelaxed(CalcModel::TI82, "Disp"), Bytes{0xDE});
    EXPECT_EQ(FailurePosition(CalcModel::TI82, "Disp"), 2u);

    // Inside a string the letters stay letters; the string ends with the line.
    EXPECT_EQ(EncodeRelaxed(CalcModel::TI83, "\"Disp\nDisp"),
              (Bytes{0x2A, 0x44, 0x2C, 0x62, 0x34, 0x62, 0x22, 0x3F, 0xDE}));
    // A token that reaches the end anyway, or a longer one, keeps its exact match.
    EXPECT_EQ(EncodeRelaxed(CalcModel::TI83, "Disp X"), (Bytes{0xDE, 0x58}));
    EXPECT_EQ(EncodeRelaxed(CalcModel::TI83, "QuadReg"), Bytes{0xF9});
    EXPECT_EQ(EncodeRelaxed(CalcModel::TI83, "ClrHome"), Bytes{0xE1});
}

TEST(Tokenizer, RestoringOmittedBlanksGivesTheExactText)
{
    EXPECT_EQ(RestoreOmittedBlanks(CalcModel::TI83, "Pause\nDisp"), "Pause \nDisp ");
    // Text inserted before more of the same line does not end a statement, and
    // text inserted into a string is part of it until the line ends.
    EXPECT_EQ(RestoreOmittedBlanks(CalcModel::TI83, "Pause\nDisp", {false, false}), "Pause \nDisp");
    EXPECT_EQ(RestoreOmittedBlanks(CalcModel::TI83, "Pause\nPause", {true, true}), "Pause\nPause ");
    EXPECT_EQ(RestoreOmittedBlanks(CalcModel::TI83, "\"Pause\""), "\"Pause\"");
    // Characters that start no token are passed on for the save to point out.
    EXPECT_EQ(RestoreOmittedBlanks(CalcModel::TI82, "q:Pause"), "q:Pause ");
    EXPECT_EQ(RestoreOmittedBlanks(CalcModel::TI83, "For(I,1,9:Disp I:End"),
              "For(I,1,9:Disp I:End");
}

} // namespace
} // namespace vexil::tibasic
