// SPDX-License-Identifier: GPL-3.0-or-later
// The files the Edit menu's header and include commands open, by header kind: the
// shell's own include files in its folder of the program directory.
#pragma once

#include "app/ui/ModeController.h"

#include <filesystem>

namespace vexil::app {

// ash/ti82.h, ti83/ti83asm.inc or crash/crash82.inc.
std::filesystem::path HeaderFilePath(const std::filesystem::path &programDirectory,
                                     HeaderKind kind);
// ash/keys.inc for Ash, ti83/tokens.inc otherwise (CrASH has no include command).
std::filesystem::path IncludeFilePath(const std::filesystem::path &programDirectory,
                                      HeaderKind kind);

} // namespace vexil::app
