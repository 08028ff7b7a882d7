// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop integration for one user: a menu entry for Vexil and file types with icons
// for the calculator's variable files, so file managers show them as ours and open
// them with Vexil. Written once, on the first run.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vexil::app {

// The desktop entry that starts `executable`, with `%F` so file managers hand over
// the files to open.
std::string DesktopEntryText(const std::filesystem::path &executable);

// The shared-mime-info package describing TI-82 and TI-83 variable files.
std::string MimePackageText();

struct DesktopIntegrationResult {
    std::vector<std::string> problems;           // one line per file that could not be written
    std::filesystem::path mimeDirectory;         // for update-mime-database
    std::filesystem::path applicationsDirectory; // for update-desktop-database
};

// Writes the entry, the mime package and the icons (taken from `iconDirectory`, the
// program directory's icons folder) under `dataHome` (normally ~/.local/share).
DesktopIntegrationResult InstallDesktopIntegration(const std::filesystem::path &dataHome,
                                                   const std::filesystem::path &executable,
                                                   const std::filesystem::path &iconDirectory);

} // namespace vexil::app
