// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/run/BuildScript.h"
#include "RunTestSupport.h"

#include <gtest/gtest.h>

namespace vexil::assemble::run {
namespace {

namespace fs = std::filesystem;

TEST(BuildScript, KeepsTheRolesOfTheBatchLines)
{
    BuildScriptInput input;
    input.paths = RunPathsFor("/src/games/snake.z80", ShellTarget::AShell83);
    input.programDir = "/home/u/.local/share/vexil";
    input.files = RunFiles::In(input.programDir);
    input.assembler = "/usr/bin/tasm";
    input.target = ShellTarget::AShell83;
    input.flags.outputListing = false;

    const std::string failure = "echo 'You can delete this file.' >"
                                "'/home/u/.local/share/vexil/Retval.dat'";
    EXPECT_EQ(BuildScriptText(input),
              "#!/bin/sh\n"
              "cd '/src/games' || { " +
                  failure +
                  "; rm -f '/home/u/.local/share/vexil/State.dat'; exit 1; }\n"
                  "SRCDIR='/src/games/'; export SRCDIR\n"
                  "TASMTABS='/home/u/.local/share/vexil/'; export TASMTABS\n"
                  "TASMINC='/home/u/.local/share/vexil/ashell83'; export TASMINC\n"
                  "unset TASMERRFORMAT TASMOPTS\n"
                  "'/usr/bin/tasm' -80 -b -q -i -aD 'snake.z80' 'snake.obj' 'snake.lst' "
                  ">'/home/u/.local/share/vexil/Tasmout.txt'\n"
                  "if [ $? -ge 1 ]; then\n"
                  "    " +
                  failure +
                  "\n"
                  "fi\n"
                  "rm -f '/home/u/.local/share/vexil/State.dat'\n");
}

TEST(BuildScript, QuotesEveryByteForTheShell)
{
    EXPECT_EQ(ShellQuote("plain"), "'plain'");
    EXPECT_EQ(ShellQuote("it's $HOME `x` \"y\""), "'it'\\''s $HOME `x` \"y\"'");
    EXPECT_EQ(ShellQuote(""), "''");
}

TEST(AssemblerPath, UsersOwnExecutableAssemblerWins)
{
    testing::ScratchFolder programDir;
    const fs::path installed = "/opt/vexil/bin/tasm";
    EXPECT_EQ(AssemblerPath(programDir.path(), installed), installed);

    // Present but not executable: not usable, so not chosen.
    testing::WriteText(programDir.path() / "tasm", "#!/bin/sh\n");
    fs::permissions(programDir.path() / "tasm", fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(AssemblerPath(programDir.path(), installed), installed);

    fs::permissions(programDir.path() / "tasm", fs::perms::owner_all);
    EXPECT_EQ(AssemblerPath(programDir.path(), installed), programDir.path() / "tasm");
}

} // namespace
} // namespace vexil::assemble::run
