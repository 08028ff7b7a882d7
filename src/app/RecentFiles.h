// SPDX-License-Identifier: GPL-3.0-or-later
// The four most recently used files, most recent first, as kept in the options record.
#pragma once

#include "app/Options.h"

#include <array>
#include <filesystem>
#include <string>

namespace vexil::app {

using RecentFileList = std::array<std::string, kRecentFileCount>;

// Two paths name the same file when their canonical forms are equal (symbolic links
// resolved, case-sensitive). Works for paths that do not exist any more.
bool SamePath(const std::filesystem::path &a, const std::filesystem::path &b);

// Puts path first. An entry naming the same file moves up instead of appearing twice;
// otherwise the oldest entry drops out. Paths are cut to what the record stores.
void AddRecentFile(RecentFileList &list, const std::string &path);

// The menu caption of entry number (1-based): the bare file name when the entry lies in
// currentDirectory, else the full path. Ampersands are doubled so they show literally.
std::string RecentFileCaption(int number, const std::string &entry,
                              const std::filesystem::path &currentDirectory);

} // namespace vexil::app
