// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop integration for one user: a menu entry for Vexil and file types with icons
// for the calculator's variable files, so file managers show them as ours and open
// them with Vexil. Written once, on the first run.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vexil::app {

// The desktop entry that starts `executable` (a path, or a bare name looked up on
// PATH as the system-wide entry does), with `%F` so file managers hand over the files
// to open.
std::string DesktopEntryText(const std::filesystem::path &executable);

// The shared-mime-info package describing TI-82 and TI-83 variable files, and the
// assembler sources (.asm, .z80) as a kind of plain text that Vexil also opens.
std::string MimePackageText();

// Whether an installation put the entry and the file types in one of the system's
// data folders (`xdgDataDirs`, colon-separated as $XDG_DATA_DIRS; null or empty
// means the standard /usr/local/share:/usr/share), so a user needs no copy of them.
bool SystemDesktopIntegrationPresent(const char *xdgDataDirs);

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
