// SPDX-License-Identifier: GPL-3.0-or-later
// The vexil-cli commands. Each lives in a file of its own, takes the words after
// its name and returns the process exit code (see ExitCode in CliArgs.h).
#pragma once

#include <string>
#include <vector>

namespace vexil::cli {

using Words = std::vector<std::string>;

struct Command {
    const char *name;
    const char *synopsis; // shown by --help, one or more lines
    int (*run)(const Words &words);
};

// The table main() dispatches on; defined in Commands.cpp.
const std::vector<Command> &commands();

} // namespace vexil::cli
