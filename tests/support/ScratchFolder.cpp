// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScratchFolder.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace vexil::testing {

ScratchFolder::ScratchFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "vexil-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::abort();
    }
    path_ = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void WriteText(const std::filesystem::path &path, const std::string &text)
{
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path());
    }
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

void WriteBytes(const std::filesystem::path &path, const std::vector<std::uint8_t> &bytes)
{
    WriteText(path, std::string(bytes.begin(), bytes.end()));
}

std::string ReadText(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path &path)
{
    const std::string text = ReadText(path);
    return {text.begin(), text.end()};
}

} // namespace vexil::testing
