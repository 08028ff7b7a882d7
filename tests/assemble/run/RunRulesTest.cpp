// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/ProgramName.h"
#include "assemble/run/AssembleDialogRules.h"
#include "assemble/run/RunPaths.h"
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

TEST(AssembleDialog, NameBoxStartsWithTheProgNameLine)
{
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

TEST(RunPaths, ExtensionReplacedByTargetModel)
{
    RunPaths ti82 = RunPathsFor("/tmp/no-such-dir/game.z80", ShellTarget::CrASH);
    EXPECT_EQ(ti82.objectFile, "/tmp/no-such-dir/game.obj");
    EXPECT_EQ(ti82.listingFile, "/tmp/no-such-dir/game.lst");
    EXPECT_EQ(ti82.programFile, "/tmp/no-such-dir/game.82p");
    EXPECT_EQ(RunPathsFor("/tmp/no-such-dir/game.z80", ShellTarget::AShell83).programFile,
              "/tmp/no-such-dir/game.83p");
    // A name without an extension gets one appended.
    EXPECT_EQ(RunPathsFor("/tmp/no-such-dir/game", ShellTarget::TI83).programFile,
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
