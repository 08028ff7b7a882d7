// SPDX-License-Identifier: GPL-3.0-or-later
// One assembly run from build script to program file, without any window: the
// Assemble dialog, the progress dialog and the error list sit on top of it and
// only show what it reports.
//
//   AssemblyRun run;
//   if (auto error = run.Start(request); !error.empty()) ...   // script is running
//   every 100 ms: PollResult r = run.Poll(cancelRequested);    // until not Running
//   on Succeeded: ProgramResult p = run.WriteProgramFile();
//
// One run at a time per object: starting again first stops whatever the previous
// run left running, so its script can never delete the new run's State.dat. Across
// processes, a run with the program directory's own files holds its run lock alone
// (see RunLock); a run in a private folder touches nothing another run reads.
#pragma once

#include "assemble/ProgramFile.h"
#include "assemble/run/RunLock.h"
#include "assemble/run/RunPaths.h"
#include "assemble/run/TasmCommand.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace vexil::assemble::run {

struct RunRequest {
    std::filesystem::path source;
    std::filesystem::path programDir;
    std::filesystem::path installedAssembler; // the tasm installed beside the program
    AssemblerFlags flags;
    ProgramSettings program; // the target and what the Assemble dialog yields
    // false: build.sh, State.dat, Retval.dat and Tasmout.txt in the program directory,
    // as the window keeps them, under the directory's run lock. true: in a fresh
    // folder of this run's own, removed with the run, for runs that go side by side.
    bool privateRunFolder = false;
};

enum class RunState {
    Idle,      // nothing started
    Running,   // the script has not finished
    Cancelled, // stopped on request, with the script and assembler
    Failed,    // the assembler reported errors
    Succeeded, // the assembler finished without errors
};

struct PollResult {
    RunState state = RunState::Idle;
    bool outputFound = false;            // Failed: Tasmout.txt was there
    std::vector<std::string> errorLines; // Failed: the error list's lines
};

struct ProgramResult {
    bool ok = false;
    std::string message; // when not ok: what to show the user
};

class AssemblyRun {
public:
    AssemblyRun() = default;
    AssemblyRun(const AssemblyRun &) = delete;
    AssemblyRun &operator=(const AssemblyRun &) = delete;
    // Stops a script still running: nothing would be left to read its result.
    ~AssemblyRun();

    // Writes build.sh, clears the previous run's markers and output, creates
    // State.dat and starts the script. Returns an empty string, or why the run could
    // not start (nothing is left running then), BusyProgramDirectoryMessage when
    // another run holds the program directory.
    std::string Start(const RunRequest &request);

    // One look at the markers. With `cancelRequested` a running script is stopped
    // together with the assembler, and the result is Cancelled.
    PollResult Poll(bool cancelRequested);

    // Polls every `interval` until the run is no longer Running.
    PollResult Wait(std::chrono::milliseconds interval = std::chrono::milliseconds(100));

    // After Succeeded: wraps the object file into the program file for the target,
    // written to `destination` instead of beside the source when one is given.
    ProgramResult WriteProgramFile(const std::filesystem::path &destination = {}) const;

    const RunPaths &Paths() const { return paths_; }
    const RunFiles &Files() const { return files_; }
    RunState State() const { return state_; }

private:
    void StopScript();
    // Gives up the lock and the private folder of the previous run.
    void Release();
    std::string PrepareRunFolder(const RunRequest &request);
    std::string WriteAndStartScript(const RunRequest &request);

    RunRequest request_;
    RunPaths paths_;
    RunFiles files_;
    RunState state_ = RunState::Idle;
    pid_t scriptGroup_ = 0;
    std::optional<RunLock> lock_;
    std::filesystem::path privateFolder_;
};

} // namespace vexil::assemble::run
