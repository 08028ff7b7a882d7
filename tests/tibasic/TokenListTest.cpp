// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/TokenList.h"

#include <gtest/gtest.h>

#include <set>

namespace vexil::tibasic {
namespace {

std::size_t CountTwoByte(CalcModel model, std::uint8_t group)
{
    std::size_t count = 0;
    for (const TokenEntry &entry : TokenList(model)) {
        count += (entry.code >> 8) == group ? 1 : 0;
    }
    return count;
}

TEST(TokenList, GroupBytesPerModel)
{
    const std::set<int> ti82 = {0x5C, 0x5D, 0x5E, 0x60, 0x61, 0x62, 0x63, 0x7E};
    std::set<int> ti83 = ti82;
    ti83.insert({0xAA, 0xBB});
    for (int byte = 0; byte < 256; ++byte) {
        const auto b = static_cast<std::uint8_t>(byte);
        EXPECT_EQ(IsGroupByte(CalcModel::TI82, b), ti82.count(byte) == 1) << byte;
        EXPECT_EQ(IsGroupByte(CalcModel::TI83, b), ti83.count(byte) == 1) << byte;
        // Every other one-byte code has a text, "~" where the calculator has none.
        EXPECT_EQ(TokenText(CalcModel::TI82, b).has_value(), ti82.count(byte) == 0) << byte;
        EXPECT_EQ(TokenText(CalcModel::TI83, b).has_value(), ti83.count(byte) == 0) << byte;
    }
    EXPECT_EQ(TokenText(CalcModel::TI82, 0x5F), "prgm");
    EXPECT_EQ(TokenText(CalcModel::TI83, 0x5F), "prgm");
}

TEST(TokenList, GroupSizes)
{
    // A dropped or doubled row in a transcribed list shows up here first.
    EXPECT_EQ(CountTwoByte(CalcModel::TI82, 0x5E), 30u);
    EXPECT_EQ(CountTwoByte(CalcModel::TI82, 0x62), 32u);
    EXPECT_EQ(CountTwoByte(CalcModel::TI82, 0x63), 43u);
    EXPECT_EQ(CountTwoByte(CalcModel::TI82, 0x7E), 16u);
    EXPECT_EQ(CountTwoByte(CalcModel::TI83, 0x5E), 31u);
    EXPECT_EQ(CountTwoByte(CalcModel::TI83, 0x62), 55u);
    EXPECT_EQ(CountTwoByte(CalcModel::TI83, 0x63), 56u);
    EXPECT_EQ(CountTwoByte(CalcModel::TI83, 0xBB), 104u);
    EXPECT_EQ(TokenList(CalcModel::TI82).size(), 248u + 144u);
    EXPECT_EQ(TokenList(CalcModel::TI83).size(), 246u + 311u);
}

TEST(TokenList, FamiliesLineUpWithTheirSecondBytes)
{
    // The ends of each family and the places where the two models part ways: a
    // row shifted by one inside a family keeps its size but fails here.
    const struct {
        CalcModel model;
        std::uint16_t code;
        const char *text;
    } samples[] = {
        {CalcModel::TI82, 0x5E19, "Y\x80"},
        {CalcModel::TI82, 0x5E2B, "Y\x86\xD4"},
        {CalcModel::TI82, 0x5E81, "V\xD6"},
        {CalcModel::TI82, 0x6202, "n"},
        {CalcModel::TI82, 0x6221, "\xD6"},
        {CalcModel::TI82, 0x6300, "ZXscl"},
        {CalcModel::TI82, 0x631B, "\xD6Min"},
        {CalcModel::TI82, 0x6321, "\xBETbl"},
        {CalcModel::TI82, 0x632A, "TblInput"},
        {CalcModel::TI82, 0x7E0F, "Time"},
        {CalcModel::TI82, 0xB1, "int "},
        {CalcModel::TI82, 0xBF, "e^"},
        {CalcModel::TI83, 0x5C09, "[J]"},
        {CalcModel::TI83, 0x5E82, "w"},
        {CalcModel::TI83, 0x6201, "RegEQ"},
        {CalcModel::TI83, 0x6236, "R\xF2"},
        {CalcModel::TI83, 0x6300, "ZXScl"},
        {CalcModel::TI83, 0x631B, "PlotStart"},
        {CalcModel::TI83, 0x6321, "TblStep"},
        {CalcModel::TI83, 0x6331, "C\\Y"},
        {CalcModel::TI83, 0x6337, "ZXres"},
        {CalcModel::TI83, 0x7E12, "uwAxes"},
        {CalcModel::TI83, 0xAA09, "Str0"},
        {CalcModel::TI83, 0xBB31, "\x99"},
        {CalcModel::TI83, 0xBB5B, "NormProbPlot"},
        {CalcModel::TI83, 0xBB64, "G-T"},
        {CalcModel::TI83, 0xBB67, "DiagnosticOff"},
        {CalcModel::TI83, 0xB1, "int("},
        {CalcModel::TI83, 0xBF, "\x99^("},
        {CalcModel::TI83, 0xEB, "\xF3"},
    };
    for (const auto &sample : samples) {
        EXPECT_EQ(TokenText(sample.model, sample.code), sample.text) << std::hex << sample.code;
    }
}

TEST(TokenList, TextsAreDistinctAndShort)
{
    for (const CalcModel model : {CalcModel::TI82, CalcModel::TI83}) {
        std::set<std::string> seen;
        for (const TokenEntry &entry : TokenList(model)) {
            EXPECT_FALSE(entry.text.empty());
            EXPECT_LE(entry.text.size(), 16u);
            if (!entry.isUnused()) {
                EXPECT_TRUE(seen.insert(entry.text).second) << "duplicate " << entry.text;
            }
        }
    }
}

TEST(TokenList, GlyphBytesAreExpanded)
{
    // "{E5}DMS" in the written list is the 8-bit text E5 44 4D 53.
    EXPECT_EQ(TokenText(CalcModel::TI82, 0x01), "\xE5"
                                                "DMS");
    // The one-character tokens "{" and "}" are not glyph spellings.
    EXPECT_EQ(TokenText(CalcModel::TI82, 0x08), "{");
    EXPECT_EQ(TokenText(CalcModel::TI82, 0x09), "}");
    EXPECT_EQ(TokenText(CalcModel::TI83, 0xBD), "\xD3\xF0(");
    EXPECT_EQ(TokenText(CalcModel::TI83, 0xBB4E), "r\x99^\xC1i");
    // Codes outside a group's list have no entry.
    EXPECT_FALSE(TokenText(CalcModel::TI82, 0x5E50).has_value());
    EXPECT_FALSE(TokenText(CalcModel::TI82, 0xBB00).has_value());
}

} // namespace
} // namespace vexil::tibasic
