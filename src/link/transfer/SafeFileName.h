// SPDX-License-Identifier: GPL-3.0-or-later
// Received names become file names. Their bytes come off the cable, so they are
// made safe before anything is created: the file always lands in the chosen
// folder, visible, under a name every file system and file manager can show.
#pragma once

#include <filesystem>
#include <string>

namespace vexil::link::transfer {

// The last component of `proposed` (a naming function's full name, normally
// inside `folder`) with every byte that is a control character, 0x7F, a byte of
// 0x80 or more, "/" or "\" replaced by "_", and a leading "." replaced by "_",
// joined to `folder`. Empty when `proposed` names no file.
std::filesystem::path SafeReceivePath(const std::filesystem::path &folder,
                                      const std::string &proposed);

} // namespace vexil::link::transfer
