// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/run/TasmCommand.h"

#include <unistd.h>

namespace vexil::assemble::run {

std::string TasmFlags(const AssemblerFlags &flags)
{
    std::string text = "-80 -b ";
    if (!flags.outputListing) {
        text += "-q ";
    }
    if (flags.includeLabels) {
        text += "-l ";
    }
    if (flags.expandMacros) {
        text += "-e ";
    }
    if (flags.pageListing) {
        text += "-p ";
    }
    if (flags.ignoreCase) {
        text += "-i ";
    }
    const unsigned mask = (flags.checkIllegal ? 1U : 0U) | (flags.checkUnused ? 2U : 0U) |
                          (flags.checkDuplicate ? 4U : 0U) | (flags.checkNonUnary ? 8U : 0U);
    text += "-a";
    text += "0123456789ABCDEF"[mask];
    return text;
}

std::filesystem::path AssemblerPath(const std::filesystem::path &programDir,
                                    const std::filesystem::path &installedAssembler)
{
    const std::filesystem::path own = programDir / "tasm";
    std::error_code ignored;
    if (std::filesystem::is_regular_file(own, ignored) && ::access(own.c_str(), X_OK) == 0) {
        return own;
    }
    return installedAssembler;
}

} // namespace vexil::assemble::run
