// SPDX-License-Identifier: GPL-3.0-or-later
// The shell script that runs the assembler for one run. It is started detached and
// reports back only through files in the program directory: it deletes State.dat as
// its very last step, creates Retval.dat when the assembler exits with 1 or more,
// and leaves the assembler's standard output in Tasmout.txt.
#pragma once

#include "assemble/ShellTarget.h"
#include "assemble/run/RunPaths.h"
#include "assemble/run/TasmCommand.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vexil::assemble::run {

// The text of Retval.dat, written by the script on failure.
inline constexpr std::string_view kFailFlagText = "You can delete this file.";

struct BuildScriptInput {
    RunPaths paths;
    std::filesystem::path programDir;
    RunFiles files;                  // where the script, its markers and the output go
    std::filesystem::path assembler; // see AssemblerPath
    ShellTarget target = ShellTarget::Ash;
    AssemblerFlags flags;
};

// The script, LF line ends, every path quoted for the shell. The assembler runs in
// the source's folder with SRCDIR and TASMTABS set, and TASMINC naming the target
// shell's include folder in the program directory.
std::string BuildScriptText(const BuildScriptInput &input);

// `text` as one single-quoted shell word, safe for any byte but NUL.
std::string ShellQuote(std::string_view text);

} // namespace vexil::assemble::run
