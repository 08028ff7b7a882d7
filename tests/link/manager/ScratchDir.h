// SPDX-License-Identifier: GPL-3.0-or-later
// A fresh folder per test, with small helpers to put files in it and read them.
#pragma once

#include "base/FileIo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace vexil::link::manager::test {

class ScratchDir : public ::testing::Test {
protected:
    void SetUp() override
    {
        static int counter = 0;
        dir_ = std::filesystem::temp_directory_path() /
               ("vexil-linkman-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::filesystem::path put(const std::string &name, const std::vector<std::uint8_t> &bytes)
    {
        const std::filesystem::path path = dir_ / name;
        std::filesystem::create_directories(path.parent_path());
        EXPECT_FALSE(base::WriteFileAtomically(path, bytes));
        return path;
    }
    std::filesystem::path put(const std::string &name, const std::string &text)
    {
        return put(name, std::vector<std::uint8_t>(text.begin(), text.end()));
    }
    std::string text(const std::string &name) const
    {
        const base::ReadResult read = base::ReadWholeFile(dir_ / name);
        return read.ok() ? std::string(read.bytes.begin(), read.bytes.end()) : "<missing>";
    }

    std::filesystem::path dir_;
};

} // namespace vexil::link::manager::test
