// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/CalculatorFont.h"
#include "tools/CharacterNames.h"
#include "tools/CharsetTable.h"

#include <gtest/gtest.h>

#include <set>

namespace vexil::tools {
namespace {

using varfile::CalcModel;

bool SameGlyph(const Glyph &a, const Glyph &b)
{
    if (a.width() != b.width()) {
        return false;
    }
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.ink(x, y) != b.ink(x, y)) {
                return false;
            }
        }
    }
    return true;
}

Glyph GlyphOf(CalcModel model, CalculatorFont font, int code)
{
    return CalculatorGlyph(model, font, static_cast<std::uint8_t>(code));
}

TEST(CalculatorFont, CodesEachFontDraws)
{
    struct Range {
        CalcModel model;
        CalculatorFont font;
        int first;
        int last;
    };
    for (const Range &range : {Range{CalcModel::TI83, CalculatorFont::Large, 0x01, 0xF1},
                               Range{CalcModel::TI82, CalculatorFont::Large, 0x01, 0xE1},
                               Range{CalcModel::TI83, CalculatorFont::Small, 0x01, 0xEC},
                               Range{CalcModel::TI82, CalculatorFont::Small, 0x00, 0xE0}}) {
        for (int code = 0; code < 256; ++code) {
            EXPECT_EQ(GlyphOf(range.model, range.font, code).defined(),
                      code >= range.first && code <= range.last)
                << std::hex << code;
        }
    }
}

TEST(CalculatorFont, LargeGlyphsLeaveTheirSeparatorsBlank)
{
    for (CalcModel model : {CalcModel::TI82, CalcModel::TI83}) {
        for (int code = 0; code < 256; ++code) {
            const Glyph g = GlyphOf(model, CalculatorFont::Large, code);
            if (!g.defined()) {
                continue;
            }
            EXPECT_EQ(g.width(), kLargeGlyphWidth);
            bool anyInk = false;
            for (int i = 0; i < 8; ++i) {
                EXPECT_FALSE(g.ink(0, i)) << std::hex << code;
                EXPECT_FALSE(g.ink(i, 7)) << std::hex << code;
                for (int x = 0; x < 6; ++x) {
                    anyInk = anyInk || g.ink(x, i);
                }
            }
            // Only the space has no ink.
            EXPECT_EQ(anyInk, code != 0x20) << std::hex << code;
        }
    }
}

TEST(CalculatorFont, WhereTheModelsDiffer)
{
    const std::set<int> smallDifferences = {0x49, 0x4B, 0x4D, 0x4E, 0x51, 0x57, 0x76, 0x82};
    for (int code = 0x05; code <= 0xD6; ++code) {
        EXPECT_EQ(SameGlyph(GlyphOf(CalcModel::TI82, CalculatorFont::Large, code),
                            GlyphOf(CalcModel::TI83, CalculatorFont::Large, code)),
                  code != 0x56)
            << std::hex << code;
        EXPECT_EQ(SameGlyph(GlyphOf(CalcModel::TI82, CalculatorFont::Small, code),
                            GlyphOf(CalcModel::TI83, CalculatorFont::Small, code)),
                  !smallDifferences.contains(code))
            << std::hex << code;
    }
    for (int code = 0x01; code <= 0x04; ++code) {
        EXPECT_FALSE(SameGlyph(GlyphOf(CalcModel::TI82, CalculatorFont::Large, code),
                               GlyphOf(CalcModel::TI83, CalculatorFont::Large, code)));
    }
    // The TI-82 keeps at D7 and up what the TI-83 moved: the sequence n and the cursors.
    const int movedLarge[][2] = {{0xD7, 0x01}, {0xD8, 0xDF}, {0xD9, 0xE0}, {0xDA, 0xE1},
                                 {0xDB, 0xE2}, {0xDC, 0xE3}, {0xDD, 0xE4}, {0xDE, 0xE5},
                                 {0xDF, 0xE6}, {0xE0, 0xE7}, {0xE1, 0xF1}};
    for (const auto &[ti82, ti83] : movedLarge) {
        EXPECT_TRUE(SameGlyph(GlyphOf(CalcModel::TI82, CalculatorFont::Large, ti82),
                              GlyphOf(CalcModel::TI83, CalculatorFont::Large, ti83)))
            << std::hex << ti82;
    }
    EXPECT_TRUE(SameGlyph(GlyphOf(CalcModel::TI82, CalculatorFont::Small, 0xD9),
                          GlyphOf(CalcModel::TI83, CalculatorFont::Small, 0xE1)));
    EXPECT_TRUE(SameGlyph(GlyphOf(CalcModel::TI82, CalculatorFont::Small, 0xE0),
                          GlyphOf(CalcModel::TI83, CalculatorFont::Small, 0xE8)));
}

TEST(CalculatorFont, SmallFontWidthsAndAccents)
{
    const Glyph g = GlyphOf(CalcModel::TI83, CalculatorFont::Small, 'G');
    EXPECT_EQ(g.width(), 5);
    EXPECT_EQ(GlyphOf(CalcModel::TI83, CalculatorFont::Small, 'A').width(), 4);
    EXPECT_EQ(GlyphOf(CalcModel::TI83, CalculatorFont::Small, ' ').width(), 1);
    EXPECT_EQ(GlyphOf(CalcModel::TI82, CalculatorFont::Small, 'M').width(), 6);
    EXPECT_EQ(GlyphOf(CalcModel::TI83, CalculatorFont::Small, 'M').width(), 4);
    // Capitals use rows 1-5.
    for (int code = 'A'; code <= 'Z'; ++code) {
        const Glyph capital = GlyphOf(CalcModel::TI83, CalculatorFont::Small, code);
        for (int x = 0; x < capital.width(); ++x) {
            EXPECT_FALSE(capital.ink(x, 0)) << static_cast<char>(code);
        }
    }
    // The small font has no room for the accents of 8A-B1; the large one shows them.
    EXPECT_TRUE(SameGlyph(GlyphOf(CalcModel::TI83, CalculatorFont::Small, 0x8A),
                          GlyphOf(CalcModel::TI83, CalculatorFont::Small, 'A')));
    EXPECT_TRUE(SameGlyph(GlyphOf(CalcModel::TI83, CalculatorFont::Small, 0xA6),
                          GlyphOf(CalcModel::TI83, CalculatorFont::Small, 'o')));
    EXPECT_FALSE(SameGlyph(GlyphOf(CalcModel::TI83, CalculatorFont::Large, 0x8A),
                           GlyphOf(CalcModel::TI83, CalculatorFont::Large, 'A')));
    EXPECT_FALSE(SameGlyph(GlyphOf(CalcModel::TI83, CalculatorFont::Small, 0xB4),
                           GlyphOf(CalcModel::TI83, CalculatorFont::Small, 'N')));
}

TEST(CharacterNames, ByModelAndFont)
{
    EXPECT_EQ(CharacterName(CalcModel::TI83, CalculatorFont::Large, 'A'), "capital A");
    EXPECT_EQ(CharacterName(CalcModel::TI83, CalculatorFont::Large, 0x1C), "store arrow →");
    EXPECT_EQ(CharacterName(CalcModel::TI83, CalculatorFont::Large, 0x24), "fourth power ⁴");
    EXPECT_EQ(CharacterName(CalcModel::TI83, CalculatorFont::Small, 0x24), "dollar sign $");
    EXPECT_EQ(CharacterName(CalcModel::TI83, CalculatorFont::Large, 0x83), "subscript 3 ₃");
    EXPECT_EQ(CharacterName(CalcModel::TI83, CalculatorFont::Large, 0x8A),
              "capital A with acute Á");
    EXPECT_EQ(CharacterName(CalcModel::TI83, CalculatorFont::Small, 0xA9),
              "small o with diaeresis ö (drawn without its accent)");
    EXPECT_EQ(CharacterName(CalcModel::TI83, CalculatorFont::Large, 0xB5), "small n with tilde ñ");
    EXPECT_EQ(CharacterName(CalcModel::TI83, CalculatorFont::Large, 0xE1),
              "second-function cursor");
    EXPECT_EQ(CharacterName(CalcModel::TI83, CalculatorFont::Small, 0xE1),
              "scatter plot icon, left half");
    EXPECT_EQ(CharacterName(CalcModel::TI82, CalculatorFont::Large, 0xDA),
              "second-function cursor");
    EXPECT_EQ(CharacterName(CalcModel::TI82, CalculatorFont::Small, 0xD9),
              "scatter plot icon, left half");
    EXPECT_EQ(CharacterName(CalcModel::TI82, CalculatorFont::Large, 0x01), "bold b");
    // Nothing for a code the font does not draw.
    EXPECT_EQ(CharacterName(CalcModel::TI82, CalculatorFont::Large, 0xE2), "");
    EXPECT_EQ(CharacterName(CalcModel::TI83, CalculatorFont::Small, 0xED), "");
    // Every code a font draws has a name.
    for (CalcModel model : {CalcModel::TI82, CalcModel::TI83}) {
        for (CalculatorFont font : {CalculatorFont::Large, CalculatorFont::Small}) {
            for (int code = 0; code < 256; ++code) {
                EXPECT_EQ(CharacterName(model, font, static_cast<std::uint8_t>(code)).empty(),
                          !GlyphOf(model, font, code).defined())
                    << std::hex << code;
            }
        }
    }
}

TEST(CharsetTable, CodeUnderThePointer)
{
    EXPECT_EQ(CodeAtTablePoint(30, 30), 0x00);
    EXPECT_EQ(CodeAtTablePoint(400, 400), 0xFF);
    EXPECT_EQ(CodeAtTablePoint(100, 30), 0x03);
    EXPECT_EQ(CodeAtTablePoint(30, 100), 0x30);
    // The headers, the corner and outside the picture.
    EXPECT_FALSE(CodeAtTablePoint(10, 10));
    EXPECT_FALSE(CodeAtTablePoint(100, 10));
    EXPECT_FALSE(CodeAtTablePoint(10, 100));
    EXPECT_FALSE(CodeAtTablePoint(24, 100));
    EXPECT_FALSE(CodeAtTablePoint(408, 100));
    EXPECT_FALSE(CodeAtTablePoint(-5, -5));
}

// How many pixels of a colour a cell of the picture holds.
int Count(const TablePicture &picture, int cellX, int cellY, TableColour colour)
{
    int n = 0;
    for (int y = cellY * kTableCellSize; y < (cellY + 1) * kTableCellSize; ++y) {
        for (int x = cellX * kTableCellSize; x < (cellX + 1) * kTableCellSize; ++x) {
            n += picture.at(x, y) == colour ? 1 : 0;
        }
    }
    return n;
}

TEST(CharsetTable, Picture)
{
    const TablePicture large83 = RenderCharsetTable(CalcModel::TI83, CalculatorFont::Large);
    ASSERT_EQ(large83.pixels.size(), static_cast<std::size_t>(kTableSize * kTableSize));
    // A header digit and a glyph are drawn in ink, a code without a glyph is not.
    EXPECT_GT(Count(large83, 5, 0, TableColour::Black), 0);
    EXPECT_GT(Count(large83, 0, 5, TableColour::Black), 0);
    EXPECT_EQ(Count(large83, 0, 0, TableColour::Black), 0);
    const int ink = Count(large83, 0x41 % 16 + 1, 0x41 / 16 + 1, TableColour::Black);
    EXPECT_EQ(ink % 9, 0); // whole 3 x 3 pixels
    EXPECT_GT(ink, 9 * 10);
    EXPECT_EQ(Count(large83, 0xF5 % 16 + 1, 0xF5 / 16 + 1, TableColour::Black), 0);
    EXPECT_EQ(Count(large83, 0xF5 % 16 + 1, 0xF5 / 16 + 1, TableColour::White), 0);

    // The small table shows each glyph's width as its white box: the space is 1 wide.
    const TablePicture small83 = RenderCharsetTable(CalcModel::TI83, CalculatorFont::Small);
    EXPECT_EQ(Count(small83, 1, 3, TableColour::White), 3 * 18);
    EXPECT_NE(small83.pixels, large83.pixels);
    // The other model's table differs where its characters do.
    const TablePicture large82 = RenderCharsetTable(CalcModel::TI82, CalculatorFont::Large);
    EXPECT_EQ(Count(large82, 0xE5 % 16 + 1, 0xE5 / 16 + 1, TableColour::Black), 0);
    EXPECT_GT(Count(large83, 0xE5 % 16 + 1, 0xE5 / 16 + 1, TableColour::Black), 0);
}

} // namespace
} // namespace vexil::tools
