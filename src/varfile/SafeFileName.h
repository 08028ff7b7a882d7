// SPDX-License-Identifier: GPL-3.0-or-later
// File names made from a calculator's variable names: a variable received over
// the cable, or an entry extracted from a group file. Their bytes come from the
// calculator, so they are made safe before anything is created: the file always
// lands in the chosen folder, visible, under a name that holds only what a
// calculator name can, so that no shell or file manager takes it for anything else.
#pragma once

#include <filesystem>
#include <string>

namespace vexil::varfile {

// Whether `c` may stand in such a file name as it is: an ASCII letter or digit, or
// the "@" that extracted group entries write for theta.
bool IsSafeNameCharacter(char c);

// The last component of `proposed` (a naming function's full name, normally
// inside `folder`), joined to `folder`: before its last ".", every character
// that fails IsSafeNameCharacter becomes "_" (and an empty name "_"); after it,
// the same but "_" may stay ("PrintScr.82_"). Empty when `proposed` names no file.
std::filesystem::path SafeVarFilePath(const std::filesystem::path &folder,
                                      const std::string &proposed);

} // namespace vexil::varfile
