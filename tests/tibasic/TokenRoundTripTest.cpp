// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/TokenRoundTrip.h"

#include "tibasic/Tokenizer.h"

#include <gtest/gtest.h>

namespace vexil::tibasic {
namespace {

using Bytes = std::vector<std::uint8_t>;

// "Disp 1:" then `middle` then ":Stop", so a place has tokens on both sides.
Bytes Around(const Bytes &middle)
{
    Bytes stream;
    for (const std::uint8_t byte : {0xDE, 0x31, 0x3E}) {
        stream.push_back(byte);
    }
    for (const std::uint8_t byte : middle) {
        stream.push_back(byte);
    }
    stream.push_back(0x3E);
    stream.push_back(0xD9);
    return stream;
}

TEST(TokenRoundTrip, EveryListedTokenComesBackAlone)
{
    for (const CalcModel model : {CalcModel::TI82, CalcModel::TI83}) {
        for (const TokenEntry &entry : TokenList(model)) {
            Bytes stream;
            AppendTokenCode(stream, entry.code);
            // The TI-83 saves a shown "~" as EF, so EF alone of the placeholders survives.
            const bool survives = !entry.isUnused() ||
                                  (model == CalcModel::TI83 && entry.code == kTI83PlaceholderCode);
            EXPECT_EQ(CheckTokenRoundTrip(model, stream).reversible(), survives)
                << "code " << std::hex << entry.code;
        }
    }
}

TEST(TokenRoundTrip, FindsBytesTheTextCannotCarry)
{
    // Codes no token uses, second bytes their group does not list, and a group byte
    // that ends the stream: each is one place, at the offset of its first byte.
    const std::vector<std::pair<CalcModel, Bytes>> lost = {
        {CalcModel::TI83, {0x26}},       {CalcModel::TI82, {0xEF}},
        {CalcModel::TI83, {0x61, 0x6C}}, {CalcModel::TI83, {0xAA, 0x44}},
        {CalcModel::TI83, {0xBB, 0x6D}}, {CalcModel::TI83, {0x62, 0x37}},
        {CalcModel::TI83, {0x60, 0x10}}, {CalcModel::TI82, {0x5E, 0x50}},
    };
    for (const auto &[model, middle] : lost) {
        const TokenRoundTrip check = CheckTokenRoundTrip(model, Around(middle));
        EXPECT_EQ(check.places, 1u) << int(middle[0]);
        EXPECT_EQ(check.firstOffset, 3u) << int(middle[0]);
    }
    const TokenRoundTrip trailing = CheckTokenRoundTrip(CalcModel::TI83, Bytes{0x31, 0xBB});
    EXPECT_EQ(trailing.places, 1u);
    EXPECT_EQ(trailing.firstOffset, 1u);

    // Tokens that longest match would join: D, i, s, p and a blank read back as
    // "Disp ", and the statistics variable r squared as the variable r².
    EXPECT_EQ(CheckTokenRoundTrip(CalcModel::TI83,
                                  Around({0x44, 0x2C, 0x62, 0x34, 0x62, 0x22, 0x29, 0x41}))
                  .places,
              1u);
    const TokenRoundTrip squared = CheckTokenRoundTrip(CalcModel::TI83, Bytes{0x62, 0x12, 0x0D});
    EXPECT_EQ(squared.places, 1u);
    EXPECT_EQ(squared.firstOffset, 0u);
}

TEST(TokenRoundTrip, CountsEveryPlaceAndNamesTheFirst)
{
    // Z80 code stored as a program: ld hl,0 / call 470A / ret / nop nop.
    const Bytes code = {0x21, 0x00, 0x00, 0xCD, 0x0A, 0x47, 0xC9, 0x00, 0x00};
    const TokenRoundTrip check = CheckTokenRoundTrip(CalcModel::TI83, code);
    EXPECT_EQ(check.places, 4u);
    EXPECT_EQ(check.firstOffset, 1u);
    EXPECT_EQ(IrreversibleTokensMessage(check, 72),
              "The tokens do not decode reversibly at 4 places, the first at byte offset 73 "
              "(0x49): an assembly program or tokens of another calculator?");
    EXPECT_EQ(IrreversibleTokensMessage({1, 0}, 0),
              "The tokens do not decode reversibly at 1 place, at byte offset 0 (0x0): an "
              "assembly program or tokens of another calculator?");

    // A stream that does encode back, line breaks and all.
    const Bytes program = EncodeTokens(CalcModel::TI83, "ClrHome\r\nFor(I,1,10)\r\nEnd").tokens;
    ASSERT_FALSE(program.empty());
    EXPECT_TRUE(CheckTokenRoundTrip(CalcModel::TI83, program).reversible());
    EXPECT_TRUE(CheckTokenRoundTrip(CalcModel::TI82, Bytes{}).reversible());
}

} // namespace
} // namespace vexil::tibasic
