// SPDX-License-Identifier: GPL-3.0-or-later
// Received names become file names. Their bytes come off the cable, so they are
// made safe before anything is created: the file always lands in the chosen
// folder, visible, under a name that holds only what a calculator name can, so
// that no shell or file manager takes it for anything else.
#pragma once

#include <filesystem>
#include <string>

namespace vexil::link::transfer {

// The last component of `proposed` (a naming function's full name, normally
// inside `folder`), joined to `folder`: before its last ".", every character
// that is not an ASCII letter or digit becomes "_" (and an empty name "_");
// after it, the same but "_" may stay ("PrintScr.82_"). Empty when `proposed`
// names no file.
std::filesystem::path SafeReceivePath(const std::filesystem::path &folder,
                                      const std::string &proposed);

} // namespace vexil::link::transfer
