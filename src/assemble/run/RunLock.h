// SPDX-License-Identifier: GPL-3.0-or-later
// Who may assemble with a program directory at a time. A window's run keeps its
// build script, markers and output under their fixed names in the program
// directory, so it takes the lock alone: a second Vexil is told the directory is
// busy. vexil-cli runs keep theirs in private folders and share the lock with one
// another, so they run side by side, but wait while a window's run holds it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vexil::assemble::run {

class RunLock {
public:
    enum class Kind { Exclusive, Shared };

    struct Outcome;

    // Takes the lock on build.lock in `programDir`. Without `wait`, a lock someone
    // else holds gives no lock and no error.
    static Outcome Take(const std::filesystem::path &programDir, Kind kind, bool wait);

    RunLock(RunLock &&other) noexcept;
    RunLock &operator=(RunLock &&other) noexcept;
    RunLock(const RunLock &) = delete;
    RunLock &operator=(const RunLock &) = delete;
    ~RunLock();

private:
    explicit RunLock(int fd) : fd_(fd) {}
    int fd_ = -1;
};

struct RunLock::Outcome {
    std::optional<RunLock> lock;
    std::string error; // the lock file could not be opened or locked
};

// What a window says when another run holds the program directory.
std::string BusyProgramDirectoryMessage(const std::filesystem::path &programDir);

} // namespace vexil::assemble::run
