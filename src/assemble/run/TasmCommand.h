// SPDX-License-Identifier: GPL-3.0-or-later
// The assembler's command line for a run: the option flags chosen in the Options
// dialog, and which assembler executable runs.
#pragma once

#include <filesystem>
#include <string>

namespace vexil::assemble::run {

// The Assembler page of the options; the defaults are the options' defaults.
struct AssemblerFlags {
    bool outputListing = true;
    bool includeLabels = false;
    bool expandMacros = false;
    bool pageListing = false;
    bool ignoreCase = true;
    bool checkIllegal = true;   // strict-check bit 1
    bool checkUnused = false;   // bit 2
    bool checkDuplicate = true; // bit 4
    bool checkNonUnary = true;  // bit 8
};

// The flags as the assembler reads them, e.g. "-80 -b -i -aD" for the defaults. The
// strict-check mask is one hexadecimal digit because the assembler parses "-a" in
// hexadecimal: a decimal "13" would read as 0x13 and drop the duplicate-label check.
std::string TasmFlags(const AssemblerFlags &flags);

// A "tasm" the user placed in the program directory wins, so another assembler with
// the same command line can be plugged in; otherwise the one installed with Vexil.
std::filesystem::path AssemblerPath(const std::filesystem::path &programDir,
                                    const std::filesystem::path &installedAssembler);

} // namespace vexil::assemble::run
