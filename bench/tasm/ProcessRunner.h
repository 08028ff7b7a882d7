// SPDX-License-Identifier: GPL-3.0-or-later
// Runs one program the way a shell or a makefile would, without a shell in
// between, and reports its wall time and its peak memory.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vexil::tasm::bench {

struct ProcessRun {
    bool ok = false; // started and exited with status 0
    double seconds = 0;
    long maxRssKb = 0;
};

// `argv[0]` is looked up on PATH; output goes to /dev/null.
ProcessRun RunProcess(const std::vector<std::string> &argv, const std::filesystem::path &folder);

bool OnPath(const std::string &program);

} // namespace vexil::tasm::bench
