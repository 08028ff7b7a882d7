// SPDX-License-Identifier: GPL-3.0-or-later
// Scratch folders for tests that run the build script: a program directory seeded
// with the shipped shell folders, and a folder for sources.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace vexil::assemble::run::testing {

class ScratchDir {
public:
    ScratchDir()
    {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() /
                ("vexil-run-" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir &) = delete;
    ScratchDir &operator=(const ScratchDir &) = delete;

    const std::filesystem::path &path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline void WriteText(const std::filesystem::path &path, const std::string &text)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadText(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path &path)
{
    const std::string text = ReadText(path);
    return {text.begin(), text.end()};
}

inline std::filesystem::path SourceTree()
{
    return VEXIL_SOURCE_DIR;
}

// The four shell folders as the program directory gets them on first start.
inline void SeedShellFolders(const std::filesystem::path &programDir)
{
    for (const char *shell : {"ash", "crash", "ti83", "ashell83"}) {
        std::filesystem::copy(SourceTree() / "data" / shell, programDir / shell,
                              std::filesystem::copy_options::recursive);
    }
}

} // namespace vexil::assemble::run::testing
