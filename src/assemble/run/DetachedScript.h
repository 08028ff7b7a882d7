// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the build script without waiting for it, in a process group of its own,
// so that cancelling a run can stop the script together with the assembler it runs.
#pragma once

#include <filesystem>
#include <string>
#include <sys/types.h>

namespace vexil::assemble::run {

struct ScriptStart {
    pid_t group = 0;   // process group of the script and everything it starts
    std::string error; // empty when the script was started
    bool ok() const { return error.empty(); }
};

// Runs "/bin/sh <script>" in `workingDir`, detached: its own session, standard
// streams on /dev/null, never a zombie of the caller. Returns once the shell has
// been executed (or failed to be).
ScriptStart StartDetachedScript(const std::filesystem::path &script,
                                const std::filesystem::path &workingDir);

// Kills every process still in `group`. Harmless when the group has already ended.
void StopProcessGroup(pid_t group);

} // namespace vexil::assemble::run
