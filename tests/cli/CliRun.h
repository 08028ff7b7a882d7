// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built vexil-cli with arguments and collects what it printed.
#pragma once

#include "support/ScratchFolder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vexil::cli::test {

struct CliOutput {
    int exitCode = -1; // -1 when the program did not exit normally (a crash)
    std::string out;
    std::string err;
};

// `input` is what the program reads from its standard input.
CliOutput RunCli(const std::vector<std::string> &args, const std::string &input = {});

using vexil::testing::ScratchFolder;

} // namespace vexil::cli::test
