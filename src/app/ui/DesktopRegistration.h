// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace vexil::app {

// First-run step: installs Vexil's menu entry and calculator file types for this
// user and asks the desktop's caches to pick them up, without waiting for them.
// Problems are reported as warnings; the program runs the same without them.
void RegisterWithDesktop(const std::filesystem::path &programDirectory);

} // namespace vexil::app
