// SPDX-License-Identifier: GPL-3.0-or-later
// Adding a variable file to a group: which files a group takes, and the element a
// file becomes. A file with several entries becomes one element holding them all.
#pragma once

#include "varfile/group/GroupFile.h"

#include <filesystem>
#include <string>

namespace vexil::group {

struct AddedFile {
    GroupElement element;
    std::string refusal; // the message for the user; empty when the file was taken
    bool ok() const { return refusal.empty(); }
};

// Reads `path` for a group of `model`. Refused: an extension that is not four
// characters (dot included) with the model digit third ("Cannot add PATH.  This file
// is not a TI-8x file."), a backup or a group ("Cannot add a group or a backup to a
// group file."), and a file that cannot be read or whose data section (the length
// at offset 53 and the bytes after offset 55) does not hold whole entries ("Error
// reading file PATH.").
AddedFile ReadFileForGroup(const std::filesystem::path &path, CalcModel model);

} // namespace vexil::group
