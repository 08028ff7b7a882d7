// SPDX-License-Identifier: GPL-3.0-or-later
// The program directory: a per-user, writable folder that holds Vexil.opt, the
// build script and markers, AutoCode, header templates and the shell folders. It is
// created on start-up and seeded from the read-only data folder of the installation
// (or of the build tree). Everything takes folders as parameters.
#pragma once

#include "app/Options.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vexil::app {

// $XDG_DATA_HOME/vexil, or ~/.local/share/vexil when XDG_DATA_HOME is unset or relative.
// Either argument may be null (the environment variable is not set).
std::filesystem::path ResolveProgramDirectory(const char *xdgDataHome, const char *home);

// The first existing folder of: <executable folder>/../share/vexil, then the data folder
// of the build tree. Empty when neither exists.
std::filesystem::path FindSeedDirectory(const std::filesystem::path &executableDirectory,
                                        const std::filesystem::path &buildTreeDataDirectory);

struct PrepareResult {
    bool firstRun = false; // the program directory did not exist before
    std::vector<std::string> problems;
};

// Creates the program directory when missing and copies every seed file that is not
// there yet, each whole or not at all. A file already present is left alone,
// whoever wrote it, unless it is an unfinished copy of its seed (empty, or the
// seed's beginning), which is completed. Every file that could not be seeded is
// named in `problems`; the next start tries again.
PrepareResult PrepareProgramDirectory(const std::filesystem::path &programDirectory,
                                      const std::filesystem::path &seedDirectory);

} // namespace vexil::app
