// SPDX-License-Identifier: GPL-3.0-or-later
// What a builder hands back: the bytes of a complete file, or the reason the
// variable cannot be written (in the words the editor shows the user).
#pragma once

#include "varfile/CalcModel.h"

#include <string>

namespace vexil::vardata {

struct FileBuild {
    varfile::Bytes file;
    std::string error; // empty on success

    bool ok() const { return error.empty(); }
};

} // namespace vexil::vardata
