// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli assemble as a user runs it: its own program directory (through
// XDG_DATA_HOME), the options stored there, the installed assembler beside it.
#include "RunTestSupport.h"
#include "app/OptionsFile.h"
#include "assemble/run/BuildScript.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>
#include <sys/wait.h>

namespace vexil::assemble::run {
namespace {

namespace fs = std::filesystem;
using namespace testing;

class CliAssembleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
#if !defined(VEXIL_CLI) || !defined(VEXIL_TASM)
        GTEST_SKIP() << "vexil-cli or tasm is not part of this build";
#endif
    }

    // Runs vexil-cli assemble with `arguments` (already quoted) and returns its exit code.
    int Assemble(const std::string &arguments)
    {
#ifdef VEXIL_CLI
        // A run that hangs fails instead of holding up the suite.
        const std::string command = "XDG_DATA_HOME=" + ShellQuote(home.path().string()) +
                                    " timeout 60 " + ShellQuote(VEXIL_CLI) + " assemble " +
                                    arguments + " >" +
                                    ShellQuote((work.path() / "out.txt").string()) + " 2>" +
                                    ShellQuote((work.path() / "err.txt").string());
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#else
        (void)arguments;
        return -1;
#endif
    }

    std::string Errors() const
    {
        return ReadText(work.path() / "err.txt");
    }

    ScratchFolder home;
    ScratchFolder work;
};

TEST_F(CliAssembleTest, AssemblesReportsErrorsAndFollowsStoredOptions)
{
    const fs::path hello = work.path() / "hello.z80";
    fs::copy_file(testing::SourceTree() / "examples/hello-ash.asm", hello);

    // Default options: TI-82 mode, Ash; the name comes from the "; Progname:" line.
    ASSERT_EQ(Assemble(ShellQuote(hello.string())), 0) << Errors();
    std::vector<std::uint8_t> program = ReadBytes(work.path() / "hello.82p");
    ASSERT_GT(program.size(), 75U);
    EXPECT_EQ(std::string(program.begin() + 60, program.begin() + 65), std::string("HELLO"));
    EXPECT_EQ(program[59], 0x05);
    // The first run seeded the program directory with the shell folders.
    EXPECT_TRUE(fs::exists(home.path() / "vexil/ash/ti82.h"));

    // Options on the command line, and -o for the file.
    const fs::path out = work.path() / "renamed.82p";
    ASSERT_EQ(Assemble(ShellQuote(hello.string()) + " --name game@ --protect --home-screen -o " +
                       ShellQuote(out.string())),
              0)
        << Errors();
    program = ReadBytes(out);
    ASSERT_GT(program.size(), 120U);
    EXPECT_EQ(program[59], 0x06);
    EXPECT_EQ(std::string(program.begin() + 60, program.begin() + 65), std::string("GAME["));
    EXPECT_EQ(program[72], 0x5C); // the home-screen launcher comes first

    // Assembly errors: the error lines on standard error, exit code 1, no program.
    const fs::path broken = work.path() / "broken.z80";
    WriteText(broken, "\tld a,\n\tfrob\n.end\n");
    EXPECT_EQ(Assemble(ShellQuote(broken.string())), 1);
    EXPECT_NE(Errors().find("broken.z80 line 0002: unrecognized instruction."), std::string::npos)
        << Errors();
    EXPECT_FALSE(fs::exists(work.path() / "broken.82p"));

    // Bad extra memory is refused with the dialog's message; a bad name is a usage error.
    EXPECT_EQ(Assemble(ShellQuote(hello.string()) + " --extra-memory 12345"), 1);
    EXPECT_NE(Errors().find("The hex value you entered"), std::string::npos);
    EXPECT_EQ(Assemble(ShellQuote(hello.string()) + " --name 'MY GAME'"), 2);

    // Stored options: TI-83 mode with AShell83 gives a .83p without --target.
    app::Options options = app::DefaultOptions();
    options.ti83Mode = true;
    options.shell83 = 1;
    ASSERT_EQ(app::SaveOptionsFile(home.path() / "vexil", options), "");
    const fs::path shellHello = work.path() / "shell.z80";
    fs::copy_file(testing::SourceTree() / "examples/hello-ashell83.asm", shellHello);
    ASSERT_EQ(Assemble(ShellQuote(shellHello.string())), 0) << Errors();
    program = ReadBytes(work.path() / "shell.83p");
    ASSERT_GT(program.size(), 74U);
    EXPECT_EQ(std::string(program.begin(), program.begin() + 8), std::string("**TI83**"));
    EXPECT_EQ(program[72], 0x00); // AShell83's nop, not a TI-82 marker
}

TEST_F(CliAssembleTest, SourcesThatLookLikeOptionsOrAreNotFiles)
{
    // A file named like an option reaches the assembler as a file.
    const fs::path dashed = work.path() / "-b.asm";
    fs::copy_file(testing::SourceTree() / "examples/hello-ash.asm", dashed);
    ASSERT_EQ(Assemble(ShellQuote(dashed.string())), 0) << Errors();
    EXPECT_GT(ReadBytes(work.path() / "-b.82p").size(), 75U);
    EXPECT_TRUE(fs::is_regular_file(work.path() / "-b.obj"));

    // A pipe nobody writes to is refused at once.
    const fs::path pipe = work.path() / "pipe.asm";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(Assemble(ShellQuote(pipe.string())), 1);
    EXPECT_NE(Errors().find("not a regular file"), std::string::npos) << Errors();
}

TEST_F(CliAssembleTest, ParallelRunsDoNotCross)
{
#ifdef VEXIL_CLI
    // Six good and six bad sources at once with one program directory, as make -j
    // runs them: each run reports its own outcome and nothing of another's.
    std::string script;
    for (int i = 0; i < 6; ++i) {
        const std::string good = "good" + std::to_string(i);
        const std::string bad = "bad" + std::to_string(i);
        fs::copy_file(testing::SourceTree() / "examples/hello-ash.asm",
                      work.path() / (good + ".z80"));
        WriteText(work.path() / (bad + ".z80"),
                  std::string(static_cast<std::size_t>(i), '\n') + "\tfrob\n.end\n");
        for (const std::string &name : {good, bad}) {
            const fs::path base = work.path() / name;
            script += "( XDG_DATA_HOME=" + ShellQuote(home.path().string()) + " timeout 120 " +
                      ShellQuote(VEXIL_CLI) + " assemble " + ShellQuote(base.string() + ".z80") +
                      " >/dev/null 2>" + ShellQuote(base.string() + ".err") + "; echo $? >" +
                      ShellQuote(base.string() + ".rc") + " ) &\n";
        }
    }
    script += "wait\n";
    WriteText(work.path() / "all.sh", script);
    ASSERT_EQ(std::system(("sh " + ShellQuote((work.path() / "all.sh").string())).c_str()), 0);

    for (int i = 0; i < 6; ++i) {
        const fs::path good = work.path() / ("good" + std::to_string(i));
        const fs::path bad = work.path() / ("bad" + std::to_string(i));
        SCOPED_TRACE(i);
        EXPECT_EQ(ReadText(good.string() + ".rc"), "0\n") << ReadText(good.string() + ".err");
        EXPECT_GT(ReadBytes(good.string() + ".82p").size(), 75U);
        EXPECT_EQ(ReadText(bad.string() + ".rc"), "1\n");
        EXPECT_FALSE(fs::exists(bad.string() + ".82p"));
        const std::string errors = ReadText(bad.string() + ".err");
        const std::string line = "000" + std::to_string(i + 1);
        EXPECT_NE(errors.find("bad" + std::to_string(i) + ".z80 line " + line +
                              ": unrecognized instruction."),
                  std::string::npos)
            << errors;
        EXPECT_EQ(errors.find("good"), std::string::npos) << errors;
        for (int other = 0; other < 6; ++other) {
            if (other != i) {
                EXPECT_EQ(errors.find("bad" + std::to_string(other) + ".z80"), std::string::npos)
                    << errors;
            }
        }
    }
#endif
}

} // namespace
} // namespace vexil::assemble::run
