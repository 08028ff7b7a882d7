// SPDX-License-Identifier: GPL-3.0-or-later
// One complete run of the `tasm` program, from its arguments to its files and exit
// code, over any FileSystem. The executable is a thin wrapper around this.
#pragma once

#include "tasm/FileSystem.h"

#include <string>
#include <vector>

namespace vexil::tasm {

struct Environment {
    std::string tasmOpts;      // TASMOPTS: options appended after the command line
    std::string tasmInc;       // TASMINC: colon-separated include folders
    std::string tasmErrFormat; // TASMERRFORMAT: layout of the error lines
};

enum ExitCode : int {
    kExitOk = 0,
    kExitErrors = 1,
    kExitOutOfMemory = 2,
    kExitFileAccess = 3,
    kExitFatal = 4,
};

// Runs the assembler; everything it prints is appended to `console`.
int RunTasm(const std::vector<std::string> &args, const Environment &env, FileSystem &fs,
            std::string &console);

std::string HelpText();

} // namespace vexil::tasm
