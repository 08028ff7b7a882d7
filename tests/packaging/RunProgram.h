// SPDX-License-Identifier: GPL-3.0-or-later
// Runs an installed program as a user or a package tool would: its own
// environment, its own working folder, output collected through files.
#pragma once

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace vexil::packaging::test {

struct ProgramRun {
    std::vector<std::string> command; // the program and its arguments
    std::filesystem::path folder;     // working folder; empty for this process's
    // Set (or, with no value, removed) on top of this process's environment.
    std::map<std::string, std::optional<std::string>> environment;
};

struct ProgramOutput {
    int exitCode = -1; // -1 when the program did not exit normally
    std::string out;
    std::string err;
};

ProgramOutput RunProgram(const ProgramRun &run);

// A program that keeps running until the test is done with it; stopped (SIGTERM,
// then SIGKILL) when destroyed.
class RunningProgram {
public:
    explicit RunningProgram(const ProgramRun &run);
    ~RunningProgram();
    RunningProgram(const RunningProgram &) = delete;
    RunningProgram &operator=(const RunningProgram &) = delete;

    // False once it has exited (or could not start), after waiting `patience` for that.
    bool stillRunningAfter(std::chrono::milliseconds patience);
    std::string errorOutput() const;

private:
    pid_t pid_ = -1;
    bool exited_ = false;
    std::filesystem::path errPath_;
};

// Whether `program` is found on PATH.
bool OnPath(const std::string &program);

} // namespace vexil::packaging::test
