// SPDX-License-Identifier: GPL-3.0-or-later
// The vexil-cli commands. Each lives in a file of its own, takes the words after
// its name and returns the process exit code (see ExitCode in CliArgs.h).
#pragma once

#include <initializer_list>
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
const std::vector<Command> &Commands();

// A command made of verbs ("tokens decode", "basic import"): runs the verb named by
// the first word with the words after it; throws UsageError for a missing or unknown
// verb.
struct Verb {
    const char *name;
    int (*run)(const Words &words);
};
int RunVerb(const char *command, const Words &words, std::initializer_list<Verb> verbs);

} // namespace vexil::cli
