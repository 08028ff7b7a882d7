// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ErrorEntry.h"
#include "editor/ProgNameLine.h"
#include "editor/Z80Tokens.h"

#include <gtest/gtest.h>

using namespace vexil::editor;
using Action = ProgNameEdit::Action;

TEST(ProgNameLine, AssemblyReadsTheLineInAnyCaseAndCutsTheName)
{
    // The blank after the colon is part of the name.
    EXPECT_EQ(ProgNameFromSource("; Progname: TEST\r\n\tret\r\n"), " TEST");
    // The prefix is compared without regard to case; the name is cut to 8 characters.
    EXPECT_EQ(ProgNameFromSource("; PROGNAME:ABCDEFGHIJ\n"), "ABCDEFGH");
    // The cut counts characters: a UTF-8 character is never split, while 8-bit text
    // is cut byte for byte.
    EXPECT_EQ(ProgNameFromSource("; Progname:\u00C4\u00D6\u00DC\u00C9\u00C8\u00C0\u00C7\u00D1XY"),
              "\u00C4\u00D6\u00DC\u00C9\u00C8\u00C0\u00C7\u00D1");
    EXPECT_EQ(ProgNameFromSource("; Progname:\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\r\n"),
              "\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9");
    // A first line of exactly the prefix gives an empty name, a shorter one none.
    EXPECT_EQ(ProgNameFromSource("; progname:"), "");
    EXPECT_EQ(ProgNameFromSource("; Progname"), std::nullopt);
    // Only the first line counts.
    EXPECT_EQ(ProgNameFromSource("\n; Progname: LATER\n"), std::nullopt);
}

TEST(ProgNameLine, LoadMatchesThePrefixCaseSensitively)
{
    EXPECT_EQ(ProgNameFromFirstLine("; Progname:GAME"), "GAME");
    EXPECT_EQ(ProgNameFromFirstLine("; PROGNAME:X"), "");
    EXPECT_EQ(ProgNameFromFirstLine("; Progname:"), "");
    EXPECT_EQ(ProgNameFromFirstLine("; Prog"), "");
}

TEST(ProgNameLine, SavePlansTheFirstLine)
{
    // Name equal to the file's default: no line is written ...
    EXPECT_EQ(PlanProgNameLine("start:", "TEST", "/d/test.z80").action, Action::Keep);
    // ... and an existing one, in any case, is removed.
    EXPECT_EQ(PlanProgNameLine("; progname:OLD", "test", "/d/test.z80").action, Action::Delete);

    // A different name is inserted as a new first line ...
    ProgNameEdit insert = PlanProgNameLine("start:", "GAME", "/d/test.z80");
    EXPECT_EQ(insert.action, Action::Insert);
    EXPECT_EQ(insert.line, "; Progname:GAME");
    // ... also into an empty document ...
    EXPECT_EQ(PlanProgNameLine(std::nullopt, "GAME", "/d/test.z80").action, Action::Insert);
    // ... or replaces an existing program-name line.
    ProgNameEdit replace = PlanProgNameLine("; PROGNAME:OLD", "GAME", "/d/test.z80");
    EXPECT_EQ(replace.action, Action::Replace);
    EXPECT_EQ(replace.line, "; Progname:GAME");

    // No name remembered: an existing line goes, nothing is added otherwise.
    EXPECT_EQ(PlanProgNameLine("; Progname:OLD", "", "/d/test.z80").action, Action::Delete);
    EXPECT_EQ(PlanProgNameLine("nop", "", "/d/test.z80").action, Action::Keep);
}

TEST(ErrorEntry, ParsesFileAndLine)
{
    auto first = ParseErrorEntry("test.z80 line 0001: unknown token");
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->file, "test.z80");
    EXPECT_EQ(first->line, 1);

    // The file is what precedes the first " line ", even with spaces in the folder.
    auto spaced = ParseErrorEntry("/my dir/a.asm line 0123: label line 0005 again");
    ASSERT_TRUE(spaced.has_value());
    EXPECT_EQ(spaced->file, "/my dir/a.asm");
    EXPECT_EQ(spaced->line, 123);

    // Non-digit line numbers, missing markers and short entries are ignored.
    EXPECT_FALSE(ParseErrorEntry("test.z80 line 00x1: bad").has_value());
    EXPECT_FALSE(ParseErrorEntry("test.z80 line 12").has_value());
    EXPECT_FALSE(ParseErrorEntry("tasm: pass 1 complete.").has_value());
}

TEST(Z80Tokens, ColoursTheUsualPieces)
{
    using K = Z80TokenKind;
    // Label with colon, instruction, registers, a hex number and a comment.
    const auto line = TokenizeZ80Line("loop: ld a,($8000) ; fetch");
    ASSERT_EQ(line.size(), 5u);
    EXPECT_EQ(line[0], (Z80Token{0, 5, K::Label}));
    EXPECT_EQ(line[1], (Z80Token{6, 2, K::Instruction}));
    EXPECT_EQ(line[2], (Z80Token{9, 1, K::Register}));
    EXPECT_EQ(line[3], (Z80Token{12, 5, K::Number}));
    EXPECT_EQ(line[4], (Z80Token{19, 7, K::Comment}));

    // Directives with a dot or hash, strings with an embedded ';'.
    const auto data = TokenizeZ80Line("\t.db \"a;b\",0 ; x");
    ASSERT_EQ(data.size(), 4u);
    EXPECT_EQ(data[0].kind, K::Directive);
    EXPECT_EQ(data[1], (Z80Token{5, 5, K::String}));
    EXPECT_EQ(data[2].kind, K::Number);
    EXPECT_EQ(data[3].kind, K::Comment);

    // af' stays one register token; an unterminated string ends at the line end.
    const auto ex = TokenizeZ80Line(" ex af,af'");
    EXPECT_EQ(ex.back(), (Z80Token{7, 3, K::Register}));
    const auto open = TokenizeZ80Line(" .db \"abc");
    EXPECT_EQ(open.back(), (Z80Token{5, 4, K::String}));

    // An instruction name in label position is a label; in operand position it is not.
    EXPECT_EQ(TokenizeZ80Line("add:")[0].kind, K::Label);
    EXPECT_EQ(TokenizeZ80Line(" call add")[1].kind, K::Default);
}
