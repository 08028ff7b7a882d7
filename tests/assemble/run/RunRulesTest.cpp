// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/run/AssembleDialogRules.h"
#include "assemble/run/ProgramName.h"
#include "assemble/run/RunPaths.h"
#include "assemble/run/ShellTarget.h"
#include "assemble/run/TasmCommand.h"
#include "assemble/run/TasmOutput.h"

#include <gtest/gtest.h>

namespace vexil::assemble::run {
namespace {

TEST(TasmFlags, MaskIsOneHexDigitAndOptionsMapToFlags)
{
    // The default options: listing on, case ignored, checks 1 + 4 + 8.
    EXPECT_EQ(TasmFlags(AssemblerFlags{}), "-80 -b -i -aD");

    // Every assembler option off.
    EXPECT_EQ(
        TasmFlags(AssemblerFlags{false, false, false, false, false, false, false, false, false}),
        "-80 -b -q -a0");

    // Every option on: all listing flags in their fixed order and the full mask.
    EXPECT_EQ(TasmFlags(AssemblerFlags{true, true, true, true, true, true, true, true, true}),
              "-80 -b -l -e -p -i -aF");

    // A lone check bit keeps its own value (2 = unused data in the high byte).
    AssemblerFlags unusedOnly{};
    unusedOnly.checkIllegal = unusedOnly.checkDuplicate = unusedOnly.checkNonUnary = false;
    unusedOnly.checkUnused = true;
    EXPECT_EQ(TasmFlags(unusedOnly), "-80 -b -i -a2");
}

TEST(ProgramName, ProgNameLineWinsAndKeepsItsBlanks)
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

    // The line replaces a different remembered name, which marks the source modified.
    ResolvedName fromLine = ResolveProgramName("; Progname:GAME\n", "OLD", "/x/y.z80");
    EXPECT_EQ(fromLine.progName, "GAME");
    EXPECT_TRUE(fromLine.progNameChanged);
    EXPECT_EQ(fromLine.boxText, "GAME");

    // Without a line the remembered name stays; without either the file name fills in.
    ResolvedName remembered = ResolveProgramName("\tret\n", "KEEP", "/x/y.z80");
    EXPECT_FALSE(remembered.progNameChanged);
    EXPECT_EQ(remembered.boxText, "KEEP");
    ResolvedName fallback = ResolveProgramName("\tret\n", "", "/x/my-prog 1.z80");
    EXPECT_EQ(fallback.progName, "");
    EXPECT_EQ(fallback.boxText, "MYPROG1");
}

TEST(ProgramName, DefaultNameKeepsOnlyNameCharacters)
{
    EXPECT_EQ(DefaultProgramName("/home/u/src/my-prog 1.z80"), "MYPROG1");
    EXPECT_EQ(DefaultProgramName("space_invaders.asm"), "SPACEINV");
    EXPECT_EQ(DefaultProgramName("a@b.z80"), "A@B");
    EXPECT_EQ(DefaultProgramName("--.z80"), "");
    // Only the last extension goes.
    EXPECT_EQ(DefaultProgramName("tetris.v2.z80"), "TETRISV2");
}

TEST(AssembleDialog, TypingFiltersAndNameLimits)
{
    // Name box: letters upper-cased, digits and "@" kept, editing keys pass.
    EXPECT_EQ(FilterProgramNameKey('q'), 'Q');
    EXPECT_EQ(FilterProgramNameKey('7'), '7');
    EXPECT_EQ(FilterProgramNameKey('@'), '@');
    EXPECT_EQ(FilterProgramNameKey('\b'), '\b');
    EXPECT_EQ(FilterProgramNameKey(' '), std::nullopt);
    EXPECT_EQ(FilterProgramNameKey('-'), std::nullopt);
    EXPECT_EQ(FilterProgramNameKey(static_cast<char>(0xE9)), std::nullopt);

    // Extra-memory box: hex digits only, upper-cased.
    EXPECT_EQ(FilterExtraMemoryKey('f'), 'F');
    EXPECT_EQ(FilterExtraMemoryKey('9'), '9');
    EXPECT_EQ(FilterExtraMemoryKey('g'), std::nullopt);
    EXPECT_EQ(FilterExtraMemoryKey('$'), std::nullopt);
    EXPECT_EQ(FilterExtraMemoryKey('\b'), '\b');

    // CrASH spends one byte of the name field on its marker.
    EXPECT_EQ(ProgramNameLimit(ShellTarget::Crash), 7U);
    EXPECT_EQ(ProgramNameLimit(ShellTarget::Ash), 8U);
    EXPECT_EQ(ProgramNameLimit(ShellTarget::Ti83), 8U);
    EXPECT_EQ(ProgramNameLimit(ShellTarget::AShell83), 8U);
}

TEST(AssembleDialog, OkChecksNameThenExtraMemory)
{
    // No name: refused, even with bad extra memory.
    DialogCheck noName = CheckAssembleDialog("", "XYZ");
    EXPECT_FALSE(noName.accepted);
    EXPECT_EQ(noName.message, kNoNameMessage);

    // Short hex is padded on the left; an empty box means 0000.
    EXPECT_EQ(CheckAssembleDialog("A", "1F").extraMemory, "001F");
    EXPECT_EQ(CheckAssembleDialog("A", "").extraMemory, "0000");
    EXPECT_TRUE(CheckAssembleDialog("A", "FFFF").accepted);

    // Non-hex digits (also lower case, which typing never produces) and more than
    // four digits are refused with the same message.
    for (const char *bad : {"12G", "ab", "0x10", "12345"}) {
        DialogCheck check = CheckAssembleDialog("A", bad);
        EXPECT_FALSE(check.accepted) << bad;
        EXPECT_EQ(check.message, kBadExtraMemoryMessage) << bad;
    }
}

TEST(ShellTarget, OptionsPickTheShellOfTheMode)
{
    EXPECT_EQ(TargetFromOptions(false, 1, 1), ShellTarget::Crash);
    EXPECT_EQ(TargetFromOptions(true, 0, 1), ShellTarget::AShell83);
    EXPECT_EQ(TargetFromOptions(true, 1, 0), ShellTarget::Ti83);
    // A damaged value falls back to the first shell, as the rest of the program does.
    EXPECT_EQ(TargetFromOptions(false, 7, 0), ShellTarget::Ash);
    EXPECT_EQ(TargetFromOptions(true, 0, 7), ShellTarget::Ti83);
}

TEST(RunPaths, ExtensionReplacedByTargetModel)
{
    RunPaths ti82 = RunPathsFor("/tmp/no-such-dir/game.z80", ShellTarget::Crash);
    EXPECT_EQ(ti82.objectFile, "/tmp/no-such-dir/game.obj");
    EXPECT_EQ(ti82.listingFile, "/tmp/no-such-dir/game.lst");
    EXPECT_EQ(ti82.programFile, "/tmp/no-such-dir/game.82p");
    EXPECT_EQ(RunPathsFor("/tmp/no-such-dir/game.z80", ShellTarget::AShell83).programFile,
              "/tmp/no-such-dir/game.83p");
    // A name without an extension gets one appended.
    EXPECT_EQ(RunPathsFor("/tmp/no-such-dir/game", ShellTarget::Ti83).programFile,
              "/tmp/no-such-dir/game.83p");
    // Relative and dotted paths become one canonical absolute path.
    EXPECT_EQ(RunPathsFor("/tmp/no-such-dir/../no-such-dir/./game.z80", ShellTarget::Ash).source,
              "/tmp/no-such-dir/game.z80");
}

TEST(TasmOutput, KeepsOnlyErrorLinesLowerCased)
{
    // Fewer than two lines: nothing.
    EXPECT_TRUE(ReadTasmErrorLines("").empty());
    EXPECT_TRUE(ReadTasmErrorLines("Vexil TASM\n").empty());
    // Only the banner.
    EXPECT_TRUE(ReadTasmErrorLines("Banner one\r\nBanner two\r\n").empty());

    const std::vector<std::string> lines =
        ReadTasmErrorLines("Banner one\r\n  Banner two\r\ntasm: pass 1 complete.\r\n"
                           "Game.Z80 line 0007: Label not found: (Lbl3)\r\n"
                           "tasm: pass 2 complete.\r\ntasm: Number of errors = 1\r\n");
    EXPECT_EQ(lines, (std::vector<std::string>{"game.z80 line 0007: label not found: (lbl3)",
                                               "tasm: number of errors = 1"}));

    // Pass lines are dropped only when they match exactly.
    EXPECT_EQ(ReadTasmErrorLines("a\nb\nTASM: Pass 1 complete.\n"),
              std::vector<std::string>{"tasm: pass 1 complete."});
}

} // namespace
} // namespace vexil::assemble::run
