// SPDX-License-Identifier: GPL-3.0-or-later
// The files one assembly run touches. Paths are canonical (absolute, symbolic links
// resolved), so the same source reached through two names maps to the same object,
// listing and program file.
#pragma once

#include "assemble/ShellTarget.h"

#include <filesystem>

namespace vexil::assemble::run {

struct RunPaths {
    std::filesystem::path source;      // canonical path of the source file
    std::filesystem::path objectFile;  // the source with ".obj" for its extension
    std::filesystem::path listingFile; // ... ".lst"
    std::filesystem::path programFile; // ... ".82p" or ".83p" by the target's model
};

// The source's extension (dot included) is replaced; a name without one gets the
// new extension appended.
RunPaths RunPathsFor(const std::filesystem::path &source, ShellTarget target);

// The fixed files in the program directory that carry a run between Vexil and the
// detached build script.
struct RunFiles {
    std::filesystem::path script;    // build.sh, rewritten before each run
    std::filesystem::path stateFlag; // State.dat: present while the script runs
    std::filesystem::path failFlag;  // Retval.dat: the assembler reported errors
    std::filesystem::path output;    // Tasmout.txt: the assembler's standard output

    static RunFiles In(const std::filesystem::path &programDir);
};

} // namespace vexil::assemble::run
