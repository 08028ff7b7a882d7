// SPDX-License-Identifier: GPL-3.0-or-later
// The old assembler's command line: `tasm -80 [options] src [obj [lst [exp [sym]]]]`,
// options and names in any order.
#pragma once

#include "tasm/Assembler.h"
#include "tasm/Options.h"

#include <optional>
#include <string>
#include <vector>

namespace vexil::tasm {

struct CommandLine {
    Options options;
    std::vector<std::string> files;   // source, object, listing, export, symbol
    std::vector<std::string> notices; // printed before the banner
    bool help = false;
    bool version = false;
    std::optional<FatalError> fatal;
};

CommandLine ParseCommandLine(const std::vector<std::string> &args);

// The output name used when a file argument is missing: the source without its
// extension, plus `extension`.
std::string DefaultName(const std::string &source, const std::string &extension);

} // namespace vexil::tasm
