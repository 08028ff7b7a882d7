// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built vexil-cli with arguments and collects what it printed.
#pragma once

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

// A fresh empty folder for one test, removed again by the destructor.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;
    std::filesystem::path operator/(const std::string &name) const { return path_ / name; }
    const std::filesystem::path &path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace vexil::cli::test
