// SPDX-License-Identifier: GPL-3.0-or-later
// What the tests that run the build script share: the shipped data folder and a
// program directory seeded with its shell folders.
#pragma once

#include "support/ScratchFolder.h"

#include <filesystem>

namespace vexil::assemble::run::testing {

using vexil::testing::ReadBytes;
using vexil::testing::ReadText;
using vexil::testing::ScratchFolder;
using vexil::testing::WriteText;

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
