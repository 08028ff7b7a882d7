// SPDX-License-Identifier: GPL-3.0-or-later
// Turning an assembled object (the Z80 code, byte for byte) into a calculator
// program file for one of the four target shells. Each target has its own bytes
// before the code, its own name rule or its own encoding of the code; the result
// is always a variable file with exactly one program entry.
#pragma once

#include "assemble/ShellTarget.h"
#include "varfile/CalcModel.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vexil::assemble {

struct ProgramSettings {
    ShellTarget target = ShellTarget::Ash;
    std::string name;                 // as typed; "@" is theta; cut to 8 (7 for CrASH)
    bool editProtect = false;         // TI-82 targets only
    bool homeScreen = false;          // Ash only: start with the home-screen launcher
    bool squish = false;              // TI-83 in-built only: raw bytes instead of hex text
    std::string extraMemory = "0000"; // TI-83 in-built unsquished: 4 hex digits
};

struct ProgramFileResult {
    varfile::Bytes file; // the complete program file; empty on failure
    std::string error;   // empty on success
    bool ok() const { return error.empty(); }
};

// The program file for `object`. Fails, writing nothing, on an empty name, an
// invalid extra-memory figure (lower-case digits count as upper-case), or an object
// too large for the 16-bit lengths.
ProgramFileResult BuildProgramFile(varfile::ByteView object, const ProgramSettings &settings);

// "Fatal Error: Cannot find object file (<path>)."
std::string MissingObjectMessage(const std::filesystem::path &objectFile);

// Reads the object file whole and writes the program file through a temporary
// file, so a failure leaves no partial program file. Returns the error message,
// or nothing on success.
std::optional<std::string> ConvertObjectFile(const std::filesystem::path &objectFile,
                                             const std::filesystem::path &programFile,
                                             const ProgramSettings &settings);

} // namespace vexil::assemble
