// SPDX-License-Identifier: GPL-3.0-or-later
// The four shells a source can be assembled for, and what each implies for the run:
// the calculator model, the program file's extension and the include folder in the
// program directory that the assembler searches.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vexil::assemble::run {

enum class ShellTarget {
    Ash,      // TI-82, Ash 3.0
    Crash,    // TI-82, CrASH 1.3
    Ti83,     // TI-83 in-built assembly support
    AShell83, // TI-83, AShell83 1.0
};

// The target the options select: Shell82 in TI-82 mode, Shell83 in TI-83 mode
// (1 for the second shell of the model, anything else the first).
ShellTarget TargetFromOptions(bool ti83Mode, std::uint32_t shell82, std::uint32_t shell83);

bool IsTi83Target(ShellTarget target);

// "ash", "crash", "ti83" or "ashell83": the shell's folder in the program directory.
std::string_view IncludeFolderName(ShellTarget target);

// The command-line spelling is the folder name; empty for anything else.
std::optional<ShellTarget> ParseTargetName(std::string_view name);

} // namespace vexil::assemble::run
