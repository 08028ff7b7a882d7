// SPDX-License-Identifier: GPL-3.0-or-later
// The release every program reports: one number, the project version of the build.
#pragma once

#include <string>
#include <string_view>

namespace vexil::base {

// "0.1.0"
const char *VexilVersion();

// What `PROGRAM --version` prints: "PROGRAM (Vexil) 0.1.0" and the licence line.
std::string VersionText(std::string_view program);

} // namespace vexil::base
