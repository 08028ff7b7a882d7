// SPDX-License-Identifier: GPL-3.0-or-later
// The step from the assembler's object bytes to the program file's bytes for the
// run's target and the options of the Assemble dialog.
#pragma once

#include "assemble/run/AssemblyRun.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vexil::assemble::run {

struct ConversionResult {
    std::vector<std::uint8_t> bytes; // the whole program file
    std::string error;               // why there is none
    bool ok() const { return error.empty(); }
};

ConversionResult ConvertObject(std::span<const std::uint8_t> object, ShellTarget target,
                               const ProgramOptions &options);

} // namespace vexil::assemble::run
