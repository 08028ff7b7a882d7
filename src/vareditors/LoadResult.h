// SPDX-License-Identifier: GPL-3.0-or-later
// What a loader hands back: the variable as far as it could be read, and whether
// the file held all of it. A damaged file is not an exception: the editor shows its
// message and keeps what was read.
#pragma once

namespace vexil::vardata {

template <typename Variable> struct LoadResult {
    Variable variable;
    bool complete = true;
};

} // namespace vexil::vardata
