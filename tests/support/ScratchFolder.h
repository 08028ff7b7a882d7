// SPDX-License-Identifier: GPL-3.0-or-later
// A fresh, empty folder for one test, and the few whole-file helpers tests use to
// set up inputs and look at outputs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vexil::testing {

// Created under the system's temporary folder with a unique name (parallel test
// processes never share one) and removed with everything in it by the destructor.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::filesystem::path &path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path &name) const
    {
        return path_ / name;
    }

private:
    std::filesystem::path path_;
};

// Writes the file whole, creating the folders above it. Test inputs only: the
// program's own writes go through its write routine.
void WriteText(const std::filesystem::path &path, const std::string &text);
void WriteBytes(const std::filesystem::path &path, const std::vector<std::uint8_t> &bytes);

// The whole file, or empty when it cannot be read.
std::string ReadText(const std::filesystem::path &path);
std::vector<std::uint8_t> ReadBytes(const std::filesystem::path &path);

} // namespace vexil::testing
