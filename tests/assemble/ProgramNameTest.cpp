// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/ProgramName.h"
#include "assemble/ShellTarget.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vexil::assemble {
namespace {

TEST(ProgramName, DefaultNameKeepsOnlyNameCharacters)
{
    EXPECT_EQ(DefaultProgramName("/home/u/src/my-prog 1.z80"), "MYPROG1");
    EXPECT_EQ(DefaultProgramName("space_invaders.asm"), "SPACEINV");
    EXPECT_EQ(DefaultProgramName("a@b.z80"), "A@B");
    EXPECT_EQ(DefaultProgramName("--.z80"), "");
    // Only the last extension goes; a name that is all extension keeps it.
    EXPECT_EQ(DefaultProgramName("tetris.v2.z80"), "TETRISV2");
    EXPECT_EQ(DefaultProgramName("/x/.asm"), "ASM");
}

TEST(ProgramName, TypingFiltersAndNameLimits)
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
    EXPECT_EQ(ProgramNameLimit(ShellTarget::CrASH), 7U);
    EXPECT_EQ(ProgramNameLimit(ShellTarget::Ash), 8U);
    EXPECT_EQ(ProgramNameLimit(ShellTarget::TI83), 8U);
    EXPECT_EQ(ProgramNameLimit(ShellTarget::AShell83), 8U);
}

TEST(ProgramName, GivenNamesAreUpperCasedOrRefused)
{
    EXPECT_EQ(CheckGivenName("th@ta1", ShellTarget::Ash).name, "TH@TA1");
    EXPECT_EQ(CheckGivenName("ABCDEFGH", ShellTarget::Ash).problem, NameProblem::None);
    EXPECT_EQ(CheckGivenName("ABCDEFGH", ShellTarget::CrASH).problem, NameProblem::TooLong);
    EXPECT_EQ(CheckGivenName("", ShellTarget::TI83).problem, NameProblem::Empty);
    // A bad character is named first, even in a name that is also too long.
    EXPECT_EQ(CheckGivenName("MY GAME!!", ShellTarget::Ash).problem, NameProblem::BadCharacter);
    EXPECT_EQ(CheckGivenName("A\tB", ShellTarget::Ash).problem, NameProblem::BadCharacter);
}

TEST(ProgramName, ExtraMemoryIsPaddedToFourUpperCaseDigits)
{
    EXPECT_EQ(PadExtraMemory(""), "0000");
    EXPECT_EQ(PadExtraMemory("1F"), "001F");
    EXPECT_EQ(PadExtraMemory("FFFF"), "FFFF");
    for (const char *bad : {"12345", "$12", "ab", "0x1"}) {
        EXPECT_EQ(PadExtraMemory(bad), std::nullopt) << bad;
    }
}

// Every file a target names is shipped in the data folder, so a slip in the table
// shows here rather than as a missing include or an empty header command.
TEST(ShellTarget, EveryNamedFileShipsWithTheProgram)
{
    const std::filesystem::path data = std::filesystem::path(VEXIL_SOURCE_DIR) / "data";
    for (ShellTarget target : kShellTargets) {
        const ShellTargetInfo &info = Describe(target);
        SCOPED_TRACE(std::string(info.name));
        EXPECT_EQ(ShellTargetNamed(info.name), target);
        EXPECT_TRUE(std::filesystem::is_directory(data / info.name));
        EXPECT_TRUE(std::filesystem::is_regular_file(data / info.headerTemplate));
        EXPECT_TRUE(std::filesystem::is_regular_file(data / info.headerFile));
        if (!info.includeFile.empty()) {
            EXPECT_TRUE(std::filesystem::is_regular_file(data / info.includeFile));
        }
    }
    EXPECT_EQ(ShellTargetNamed("Ash"), std::nullopt);
    EXPECT_EQ(ShellTargetNamed(""), std::nullopt);
}

} // namespace
} // namespace vexil::assemble
