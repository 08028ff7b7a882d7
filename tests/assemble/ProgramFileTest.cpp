// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/ProgramFile.h"
#include "assemble/ProgramName.h"

#include "base/FileIo.h"
#include "support/ScratchFolder.h"
#include "varfile/VarFile.h"
#include "varfile/VarFileReader.h"

#include <gtest/gtest.h>

namespace vexil::assemble {
namespace {

using varfile::Bytes;

std::uint16_t WordAt(const Bytes &bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

Bytes Build(const Bytes &object, const ProgramSettings &settings)
{
    const ProgramFileResult result = BuildProgramFile(object, settings);
    EXPECT_TRUE(result.ok()) << result.error;
    return result.file;
}

Bytes ProgramData(const Bytes &file)
{
    return Bytes(file.begin() + 72, file.end() - 2);
}

Bytes NameField(const Bytes &file)
{
    return Bytes(file.begin() + 60, file.begin() + 68);
}

TEST(ProgramFile, AshWithAndWithoutLauncher)
{
    // An empty object without the launcher: N = 3, a 77-byte file.
    const Bytes bare = Build({}, {ShellTarget::Ash, "EMPTY"});
    ASSERT_EQ(bare.size(), 77u);
    EXPECT_EQ(std::string(bare.begin(), bare.begin() + 8), "**TI82**");
    EXPECT_EQ(WordAt(bare, 70), 3);
    EXPECT_EQ(ProgramData(bare), (Bytes{0xD9, 0x00, 0x30}));
    EXPECT_EQ(WordAt(bare, 53), 3 + 17);
    EXPECT_EQ(WordAt(bare, 57), 3 + 2);
    EXPECT_EQ(bare[59], 0x05);

    ProgramSettings launcher{ShellTarget::Ash, "GAME"};
    launcher.homeScreen = true;
    launcher.editProtect = true;
    const Bytes withLauncher = Build({0xC9}, launcher);
    const Bytes data = ProgramData(withLauncher);
    ASSERT_EQ(data.size(), 49u);
    EXPECT_EQ(Bytes(data.begin(), data.begin() + 4), (Bytes{0x5C, 0x06, 0x10, 0x31}));
    EXPECT_EQ(Bytes(data.end() - 4, data.end()), (Bytes{0xD9, 0x00, 0x30, 0xC9}));
    EXPECT_EQ(withLauncher[59], 0x06); // edit-protected on the TI-82
}

TEST(ProgramFile, CrashNames)
{
    const Bytes test = Build({0x00}, {ShellTarget::CrASH, "TEST"});
    EXPECT_EQ(NameField(test), (Bytes{0xDC, 0x54, 0x45, 0x53, 0x54, 0x00, 0x00, 0x00}));
    EXPECT_EQ(ProgramData(test), (Bytes{0xD5, 0x00, 0x11, 0x00}));
    // A longer name is cut so the prefix and 7 characters fill the field.
    const Bytes longName = Build({}, {ShellTarget::CrASH, "ABCDEFGH"});
    EXPECT_EQ(NameField(longName), (Bytes{0xDC, 'A', 'B', 'C', 'D', 'E', 'F', 'G'}));
    // Theta is typed as "@" on every target.
    EXPECT_EQ(NameField(Build({}, {ShellTarget::AShell83, "A@B"})),
              (Bytes{0x41, 0x5B, 0x42, 0, 0, 0, 0, 0}));
}

TEST(ProgramFile, Ti83Forms)
{
    // Unsquished: hexadecimal text, then End, the extra memory figure, End.
    ProgramSettings hex{ShellTarget::TI83, "HEX"};
    const Bytes empty = Build({}, hex);
    EXPECT_EQ(std::string(empty.begin(), empty.begin() + 8), "**TI83**");
    EXPECT_EQ(WordAt(empty, 70), 9);
    EXPECT_EQ(ProgramData(empty), (Bytes{0x3F, 0xD4, 0x3F, '0', '0', '0', '0', 0x3F, 0xD4}));

    hex.extraMemory = "1a";
    const Bytes code = Build({0x00, 0xFF, 0xC9}, hex);
    EXPECT_EQ(ProgramData(code), (Bytes{'0', '0', 'F', 'F', 'C', '9', 0x3F, 0xD4, 0x3F, '0', '0',
                                        '1', 'A', 0x3F, 0xD4}));

    // Squished, and AShell83: the object bytes unchanged. Protection is TI-82 only.
    ProgramSettings squished{ShellTarget::TI83, "SQ"};
    squished.squish = true;
    squished.editProtect = true;
    squished.extraMemory = "not used";
    const Bytes raw = Build({0x00, 0xFF, 0xC9}, squished);
    EXPECT_EQ(ProgramData(raw), (Bytes{0x00, 0xFF, 0xC9}));
    EXPECT_EQ(raw[59], 0x05);
    EXPECT_EQ(ProgramData(Build({0x01, 0x02}, {ShellTarget::AShell83, "AS"})), (Bytes{0x01, 0x02}));
}

TEST(ProgramFile, ChecksumCoversTheLengthWordAndEntryHeader)
{
    const Bytes file = Build({0x12, 0x34}, {ShellTarget::AShell83, "SUM"});
    std::uint32_t sum = 0;
    for (std::size_t i = 55; i < file.size() - 2; ++i) {
        sum += file[i];
    }
    EXPECT_EQ(WordAt(file, file.size() - 2), sum & 0xFFFF);
    EXPECT_TRUE(varfile::ParseVarFile(file).intact());
}

TEST(ProgramFile, RefusesWhatCannotBeWritten)
{
    // The largest object that fits, and one byte more.
    const std::size_t largest = 0xFFFF - 17;
    EXPECT_TRUE(BuildProgramFile(Bytes(largest, 0), {ShellTarget::AShell83, "BIG"}).ok());
    const ProgramFileResult tooBig =
        BuildProgramFile(Bytes(largest + 1, 0), {ShellTarget::AShell83, "BIG"});
    EXPECT_FALSE(tooBig.ok());
    EXPECT_TRUE(tooBig.file.empty());
    // The hexadecimal form doubles the size, so half as much object overflows.
    EXPECT_FALSE(BuildProgramFile(Bytes(40000, 0), {ShellTarget::TI83, "HEX"}).ok());

    EXPECT_EQ(BuildProgramFile({}, {ShellTarget::Ash, ""}).error, kNoNameMessage);
    ProgramSettings badFigure{ShellTarget::TI83, "X"};
    badFigure.extraMemory = "12G4";
    EXPECT_EQ(BuildProgramFile({}, badFigure).error, kBadExtraMemoryMessage);

    // The figure is taken in either case and padded to four digits.
    ProgramSettings lowerFigure{ShellTarget::TI83, "X"};
    lowerFigure.extraMemory = "fF";
    const Bytes padded = ProgramData(Build({}, lowerFigure));
    EXPECT_EQ(Bytes(padded.begin() + 3, padded.begin() + 7), (Bytes{'0', '0', 'F', 'F'}));
}

TEST(ProgramFile, ConvertsFilesWithoutLeavingPartialOutput)
{
    const vexil::testing::ScratchFolder scratch;
    const auto folder = scratch.path();
    const auto object = folder / "prog.obj";
    const auto program = folder / "PROG.82p";
    ASSERT_FALSE(base::WriteFileAtomically(object, Bytes{0xC9}));

    EXPECT_FALSE(ConvertObjectFile(object, program, {ShellTarget::Ash, "PROG"}));
    EXPECT_EQ(base::ReadWholeFile(program).bytes, Build({0xC9}, {ShellTarget::Ash, "PROG"}));

    const auto missing =
        ConvertObjectFile(folder / "none.obj", folder / "NONE.82p", {ShellTarget::Ash, "NONE"});
    ASSERT_TRUE(missing);
    EXPECT_EQ(*missing,
              "Fatal Error: Cannot find object file (" + (folder / "none.obj").string() + ").");
    ASSERT_FALSE(base::WriteFileAtomically(object, Bytes(70000, 0)));
    EXPECT_TRUE(ConvertObjectFile(object, folder / "HUGE.83p", {ShellTarget::AShell83, "HUGE"}));
    EXPECT_FALSE(std::filesystem::exists(folder / "HUGE.83p"));
}

} // namespace
} // namespace vexil::assemble
