// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped include files against the real assembler: every default header
// template, as a new source holds it, and every example in examples/ must go all
// the way to a program file.
#include "RunTestSupport.h"
#include "assemble/run/AssemblyRun.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vexil::assemble::run {
namespace {

namespace fs = std::filesystem;
using namespace testing;

struct Case {
    const char *file; // header template or example
    ShellTarget target;
};

class ShellIncludesTest : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override
    {
#ifndef VEXIL_TASM
        GTEST_SKIP() << "the tasm target is not part of this build";
#else
        testing::SeedShellFolders(programDir.path());
#endif
    }

    // Runs `text` as a source named `name` and returns the program file's bytes.
    std::vector<std::uint8_t> Assemble(const std::string &name, const std::string &text,
                                       ShellTarget target)
    {
#ifdef VEXIL_TASM
        const fs::path source = sourceDir.path() / name;
        WriteText(source, text);
        RunRequest request;
        request.source = source;
        request.programDir = programDir.path();
        request.installedAssembler = VEXIL_TASM;
        request.program.target = target;
        request.program.name = "HELLO";
        AssemblyRun run;
        EXPECT_EQ(run.Start(request), "");
        PollResult result = run.Wait(std::chrono::milliseconds(20));
        std::string lines;
        for (const std::string &line : result.errorLines) {
            lines += line + "\n";
        }
        EXPECT_EQ(result.state, RunState::Succeeded) << lines;
        ProgramResult program = run.WriteProgramFile();
        EXPECT_TRUE(program.ok) << program.message;
        return ReadBytes(run.Paths().programFile);
#else
        (void)name, (void)text, (void)target;
        return {};
#endif
    }

    testing::ScratchFolder programDir;
    testing::ScratchFolder sourceDir;
};

std::string AsNewSource(std::string header)
{
    const std::size_t caret = header.find('|');
    if (caret != std::string::npos) {
        header.erase(caret, 1);
    }
    return header;
}

std::vector<std::uint8_t> ProgramData(const std::vector<std::uint8_t> &file)
{
    if (file.size() < 74) {
        return {};
    }
    return {file.begin() + 72, file.end() - 2};
}

class HeaderTemplates : public ShellIncludesTest {};

TEST_P(HeaderTemplates, AssembleAsTheyStand)
{
    const std::string header =
        ReadText(SourceTree() / "tests/assemble/run/fixtures/headers" / GetParam().file);
    ASSERT_FALSE(header.empty());
    const std::vector<std::uint8_t> data =
        ProgramData(Assemble("new.z80", AsNewSource(header), GetParam().target));
    ASSERT_FALSE(data.empty());
    // Each TI-82 shell program starts with its marker and then the title, which the
    // include file placed at the shell's start address.
    const std::string title = "Program Title";
    switch (GetParam().target) {
    case ShellTarget::Ash:
    case ShellTarget::CrASH:
        EXPECT_EQ(std::string(data.begin() + 3, data.begin() + 3 + title.size()), title);
        break;
    case ShellTarget::TI83:
        // Nothing but the trailer of an empty program.
        EXPECT_EQ(data,
                  (std::vector<std::uint8_t>{0x3F, 0xD4, 0x3F, '0', '0', '0', '0', 0x3F, 0xD4}));
        break;
    case ShellTarget::AShell83:
        // nop, jr over the table, version 0, then the description at its address.
        EXPECT_EQ(std::vector<std::uint8_t>(data.begin(), data.begin() + 5),
                  (std::vector<std::uint8_t>{0x00, 0x18, 0x06, 0x00, 0x00}));
        EXPECT_EQ(data[5] | (data[6] << 8), 0x9327 + 9);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Shells, HeaderTemplates,
                         ::testing::Values(Case{"Ash30.hdr", ShellTarget::Ash},
                                           Case{"CrASH13.hdr", ShellTarget::CrASH},
                                           Case{"TI83.hdr", ShellTarget::TI83},
                                           Case{"AShell83.hdr", ShellTarget::AShell83}));

class Examples : public ShellIncludesTest {};

TEST_P(Examples, HelloWorldBecomesAProgram)
{
    const std::string text = ReadText(SourceTree() / "examples" / GetParam().file);
    ASSERT_FALSE(text.empty());
    const std::vector<std::uint8_t> data =
        ProgramData(Assemble(GetParam().file, text, GetParam().target));
    ASSERT_GE(data.size(), 16U);
    const std::string greeting = "Hello, world!";
    auto holds = [&data](const std::string &piece) {
        const std::vector<std::uint8_t> bytes(piece.begin(), piece.end());
        return std::search(data.begin(), data.end(), bytes.begin(), bytes.end()) != data.end();
    };
    switch (GetParam().target) {
    case ShellTarget::Ash:
        EXPECT_EQ(std::vector<std::uint8_t>(data.begin(), data.begin() + 3),
                  (std::vector<std::uint8_t>{0xD9, 0x00, 0x30}));
        // ROM_CALL(CLEARLCD) right after the title: call $8D74 \ .dw $389A.
        EXPECT_TRUE(holds(std::string("Hello World\0\xCD\x74\x8D\x9A\x38", 17)));
        EXPECT_TRUE(holds(greeting));
        break;
    case ShellTarget::CrASH:
        EXPECT_EQ(std::vector<std::uint8_t>(data.begin(), data.begin() + 3),
                  (std::vector<std::uint8_t>{0xD5, 0x00, 0x11}));
        EXPECT_TRUE(holds(std::string("Hello World\0\xCD\x74\x8D\x9A\x38", 17)));
        // call CR_KHAND
        EXPECT_TRUE(holds("\xCD\x91\x8D"));
        break;
    case ShellTarget::TI83:
        // The object as hexadecimal text: call _CLRLCDFULL first, then the trailer.
        EXPECT_EQ(std::string(data.begin(), data.begin() + 6), "CD5547");
        EXPECT_TRUE(holds("48656C6C6F2C20776F726C642100"));
        EXPECT_EQ(std::vector<std::uint8_t>(data.end() - 9, data.end()),
                  (std::vector<std::uint8_t>{0x3F, 0xD4, 0x3F, '0', '0', '0', '0', 0x3F, 0xD4}));
        break;
    case ShellTarget::AShell83:
        EXPECT_EQ(std::vector<std::uint8_t>(data.begin(), data.begin() + 2),
                  (std::vector<std::uint8_t>{0x00, 0x18}));
        EXPECT_TRUE(holds(greeting));
        // The icon ends the program.
        EXPECT_EQ(data.back(), 0x3C);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Shells, Examples,
                         ::testing::Values(Case{"hello-ash.asm", ShellTarget::Ash},
                                           Case{"hello-crash.asm", ShellTarget::CrASH},
                                           Case{"hello-ti83.asm", ShellTarget::TI83},
                                           Case{"hello-ashell83.asm", ShellTarget::AShell83}));

} // namespace
} // namespace vexil::assemble::run
