// SPDX-License-Identifier: GPL-3.0-or-later
// Runs through the real build script and /bin/sh, with a stand-in assembler placed
// in the program directory (which takes precedence over the installed one), so the
// script's protocol is checked apart from the assembler itself.
#include "assemble/run/AssemblyRun.h"
#include "RunTestSupport.h"
#include "assemble/run/BuildScript.h"
#include "assemble/run/RunTexts.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace vexil::assemble::run {
namespace {

namespace fs = std::filesystem;
using namespace testing;

// Records where and how it ran, then behaves as `body` says. The object file is
// the last-but-one argument.
void InstallStandInAssembler(const fs::path &programDir, const std::string &body)
{
    WriteText(programDir / "tasm",
              "#!/bin/sh\n"
              "printf '%s\\n' \"$PWD\" \"$SRCDIR\" \"$TASMTABS\" \"$TASMINC\" \"$@\" "
              "> \"$TASMTABS/seen.txt\"\n"
              "eval \"obj=\\${$(($# - 1))}\"\n"
              "echo 'Stand-in assembler'\necho '  banner'\necho 'tasm: pass 1 complete.'\n" +
                  body);
    fs::permissions(programDir / "tasm", fs::perms::owner_all);
}

class AssemblyRunTest : public ::testing::Test {
protected:
    RunRequest Request(const fs::path &source, ShellTarget target) const
    {
        RunRequest request;
        request.source = source;
        request.programDir = programDir.path();
        request.installedAssembler = "/nonexistent/tasm";
        request.program.target = target;
        request.program.name = "GAME";
        return request;
    }

    ScratchFolder programDir;
    ScratchFolder sourceDir;
};

TEST_F(AssemblyRunTest, SucceedsAndWritesTheProgramFile)
{
    InstallStandInAssembler(programDir.path(), "printf '\\001\\002\\003' > \"$obj\"\n"
                                               "echo 'tasm: pass 2 complete.'\nexit 0\n");
    // Blanks and a quote in both folders, and a hyphen in the name, must survive the shell.
    const fs::path folder = sourceDir.path() / "it's mine";
    const fs::path source = folder / "my-prog 1.z80";
    WriteText(source, "\tret\n.end\n");

    AssemblyRun run;
    ASSERT_EQ(run.Start(Request(source, ShellTarget::Ash)), "");
    EXPECT_EQ(run.Wait(std::chrono::milliseconds(10)).state, RunState::Succeeded);

    // The assembler ran in the source's folder with the run's variables and arguments.
    const std::string seen = ReadText(programDir.path() / "seen.txt");
    const std::string dir = fs::canonical(folder).string();
    EXPECT_EQ(seen, dir + "\n" + dir + "/\n" + programDir.path().string() + "/\n" +
                        (programDir.path() / "ash").string() +
                        "\n-80\n-b\n-i\n-aD\nmy-prog 1.z80\nmy-prog 1.obj\nmy-prog 1.lst\n");

    ASSERT_TRUE(run.WriteProgramFile().ok);
    const std::vector<std::uint8_t> file = ReadBytes(folder / "my-prog 1.82p");
    ASSERT_EQ(file.size(), 74U + 6U);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 60, file.begin() + 68),
              (std::vector<std::uint8_t>{'G', 'A', 'M', 'E', 0, 0, 0, 0}));
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 72, file.end() - 2),
              (std::vector<std::uint8_t>{0xD9, 0x00, 0x30, 0x01, 0x02, 0x03}));
}

TEST_F(AssemblyRunTest, FailureFillsErrorLinesAndMissingObjectIsReported)
{
    InstallStandInAssembler(programDir.path(),
                            "echo 'My-Prog.Z80 line 0003: unrecognized instruction.   (FOO)'\n"
                            "echo 'tasm: pass 2 complete.'\necho 'tasm: Number of errors = 1'\n"
                            "exit 1\n");
    const fs::path source = sourceDir.path() / "My-Prog.z80";
    WriteText(source, "\tfoo\n");
    AssemblyRun run;
    ASSERT_EQ(run.Start(Request(source, ShellTarget::TI83)), "");
    PollResult result = run.Wait(std::chrono::milliseconds(10));
    EXPECT_EQ(result.state, RunState::Failed);
    EXPECT_TRUE(result.outputFound);
    EXPECT_EQ(result.errorLines,
              (std::vector<std::string>{"my-prog.z80 line 0003: unrecognized instruction.   (foo)",
                                        "tasm: number of errors = 1"}));
    EXPECT_EQ(ReadText(programDir.path() / "Retval.dat"), std::string(kFailFlagText) + "\n");
    EXPECT_FALSE(fs::exists(programDir.path() / "State.dat"));

    // Asked for the program anyway, the run names the object it cannot find.
    ProgramResult program = run.WriteProgramFile();
    EXPECT_FALSE(program.ok);
    EXPECT_EQ(program.message, "Fatal Error: Cannot find object file (" +
                                   (fs::canonical(sourceDir.path()) / "My-Prog.obj").string() +
                                   ").");
}

TEST_F(AssemblyRunTest, StartClearsThePreviousRunsMarkersAndOutput)
{
    // This assembler leaves no output at all, and exits with an error once told to
    // go, so that the run is still under way when its flag is read.
    const fs::path go = programDir.path() / "go";
    WriteText(programDir.path() / "tasm",
              "#!/bin/sh\nwhile [ ! -e '" + go.string() + "' ]; do sleep 0.01; done\nexit 3\n");
    fs::permissions(programDir.path() / "tasm", fs::perms::owner_all);
    WriteText(programDir.path() / "Tasmout.txt", "old\nbanner\nold.z80 line 0001: stale\n");
    WriteText(programDir.path() / "Retval.dat", "old");
    const fs::path source = sourceDir.path() / "a.z80";
    WriteText(source, "\tret\n");

    AssemblyRun run;
    ASSERT_EQ(run.Start(Request(source, ShellTarget::Ash)), "");
    EXPECT_EQ(ReadText(programDir.path() / "State.dat"), "***\n");
    WriteText(go, "");
    PollResult result = run.Wait(std::chrono::milliseconds(10));
    EXPECT_EQ(result.state, RunState::Failed);
    // The shell's redirection created an empty output: no stale error lines.
    EXPECT_TRUE(result.errorLines.empty());
}

TEST_F(AssemblyRunTest, CancelStopsScriptAndAssembler)
{
    // Were it left running, this assembler would finish after the cancel and its
    // script would delete the State.dat of whatever run came next.
    InstallStandInAssembler(programDir.path(), "sleep 1\ntouch \"$TASMTABS/late\"\nexit 0\n");
    const fs::path source = sourceDir.path() / "slow.z80";
    WriteText(source, "\tret\n");

    AssemblyRun run;
    ASSERT_EQ(run.Start(Request(source, ShellTarget::CrASH)), "");
    // Let the script reach the assembler before cancelling.
    for (int i = 0; i < 200 && !fs::exists(programDir.path() / "seen.txt"); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(run.Poll(false).state, RunState::Running);
    EXPECT_EQ(run.Poll(true).state, RunState::Cancelled);
    EXPECT_EQ(run.Poll(false).state, RunState::Cancelled);

    WriteText(programDir.path() / "State.dat", "***\n");
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    EXPECT_FALSE(fs::exists(programDir.path() / "late"));
    EXPECT_TRUE(fs::exists(programDir.path() / "State.dat"));
}

TEST_F(AssemblyRunTest, UnwritableProgramDirectoryIsAnErrorNotAHang)
{
    RunRequest request = Request(sourceDir.path() / "a.z80", ShellTarget::Ash);
    request.programDir = programDir.path() / "missing" / "deeper";
    AssemblyRun run;
    EXPECT_NE(run.Start(request), "");
    EXPECT_EQ(run.Poll(false).state, RunState::Idle);
}

TEST_F(AssemblyRunTest, TheProgramDirectorysRunIsOneAtATime)
{
    InstallStandInAssembler(programDir.path(),
                            "while [ ! -e \"$TASMTABS/go\" ]; do sleep 0.01; done\nexit 0\n");
    const fs::path source = sourceDir.path() / "a.z80";
    WriteText(source, "\tret\n");

    // While a window's run holds the program directory, a second one is told so and
    // a vexil-cli run would have to wait.
    AssemblyRun first;
    ASSERT_EQ(first.Start(Request(source, ShellTarget::Ash)), "");
    AssemblyRun second;
    EXPECT_EQ(second.Start(Request(source, ShellTarget::Ash)),
              BusyProgramDirectoryMessage(programDir.path()));
    EXPECT_FALSE(RunLock::Take(programDir.path(), RunLock::Kind::Shared, false).lock);

    // Once the run has ended, the directory is free again.
    WriteText(programDir.path() / "go", "");
    EXPECT_EQ(first.Wait(std::chrono::milliseconds(10)).state, RunState::Succeeded);
    EXPECT_TRUE(RunLock::Take(programDir.path(), RunLock::Kind::Shared, false).lock);
    EXPECT_EQ(second.Start(Request(source, ShellTarget::Ash)), "");
    EXPECT_EQ(second.Wait(std::chrono::milliseconds(10)).state, RunState::Succeeded);
}

TEST_F(AssemblyRunTest, PrivateRunsLeaveTheProgramDirectoryAlone)
{
    InstallStandInAssembler(programDir.path(), "printf '\\311' > \"$obj\"\nexit 0\n");
    const fs::path source = sourceDir.path() / "a.z80";
    WriteText(source, "\tret\n");
    RunRequest request = Request(source, ShellTarget::Ash);
    request.privateRunFolder = true;

    fs::path folder;
    {
        // Side by side with a run that holds the program directory's lock.
        const RunLock::Outcome shared =
            RunLock::Take(programDir.path(), RunLock::Kind::Shared, false);
        ASSERT_TRUE(shared.lock);
        AssemblyRun run;
        ASSERT_EQ(run.Start(request), "");
        folder = run.Files().script.parent_path();
        EXPECT_NE(folder, programDir.path());
        EXPECT_EQ(run.Wait(std::chrono::milliseconds(10)).state, RunState::Succeeded);
        EXPECT_TRUE(run.WriteProgramFile().ok);
        for (const char *name : {"build.sh", "State.dat", "Retval.dat", "Tasmout.txt"}) {
            EXPECT_FALSE(fs::exists(programDir.path() / name)) << name;
        }
    }
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_TRUE(fs::exists(sourceDir.path() / "a.82p"));
}

} // namespace
} // namespace vexil::assemble::run
