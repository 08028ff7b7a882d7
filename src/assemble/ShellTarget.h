// SPDX-License-Identifier: GPL-3.0-or-later
// The four shells a source can be assembled for, and everything that follows from
// the choice: the calculator model, the shell's folder in the program directory,
// the header template a new source starts from, the include files the header
// commands open and the shell program Send Shell puts on the calculator.
#pragma once

#include "varfile/CalcModel.h"

#include <array>
#include <optional>
#include <string_view>

namespace vexil::assemble {

// In the order of the Target Shell menu.
enum class ShellTarget {
    Ash,      // Ash 3.0 on the TI-82
    CrASH,    // CrASH 1.3 on the TI-82
    TI83,     // the TI-83's in-built assembly support
    AShell83, // AShell83 1.0 on the TI-83
};

inline constexpr std::array<ShellTarget, 4> kShellTargets = {
    ShellTarget::Ash, ShellTarget::CrASH, ShellTarget::TI83, ShellTarget::AShell83};

// Paths are relative to the program directory.
struct ShellTargetInfo {
    varfile::CalcModel model;
    std::string_view name; // "ash": the shell's folder, and the target's command-line name
    std::string_view headerTemplate; // "Ash30.hdr"
    std::string_view headerFile;     // "ash/ti82.h"
    std::string_view includeFile;    // "ash/keys.inc"; empty where the shell has none
    std::string_view shellProgram;   // "ash/ash30.82b"; empty where nothing needs sending
};

const ShellTargetInfo &Describe(ShellTarget target);

// The target whose name is `name` ("ash", "crash", "ti83", "ashell83").
std::optional<ShellTarget> ShellTargetNamed(std::string_view name);

} // namespace vexil::assemble
