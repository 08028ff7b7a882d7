// SPDX-License-Identifier: GPL-3.0-or-later
// TI-82/83 program files (.82p, .83p): one variable of type 5 (6 when protected)
// whose data is the 16-bit program length followed by the tokens. The program
// editors and vexil-cli both read and write programs through this file.
#pragma once

#include "varfile/CalcModel.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vexil::tibasic {

using varfile::Bytes;
using varfile::ByteView;
using varfile::CalcModel;

inline constexpr const char *kProgramReadError = "Error reading program file.";

struct Program {
    std::string name; // as typed and shown: theta is "@", at most 8 characters
    bool isProtected = false;
    Bytes tokens;
};

enum class ProgramFileError {
    TooShort,    // ends before the first variable's header is complete
    NotAProgram, // the first variable is of another type
    Truncated,   // the file ends inside the program; the tokens hold what is there
};

struct LoadedProgram {
    CalcModel model = CalcModel::TI83; // from the signature
    Program program;                   // as far as it could be read, even on error
    std::optional<ProgramFileError> error;

    bool ok() const { return !error.has_value(); }
};

// Never reads past the end of `file`. Neither the signature nor the checksum is
// checked, so files from other tools with a stale checksum still load.
LoadedProgram LoadProgramFile(ByteView file);

// The whole file, with Vexil's program comment. Nothing when the program is too
// long for the 16-bit length fields of the container.
std::optional<Bytes> BuildProgramFile(CalcModel model, const Program &program);

} // namespace vexil::tibasic
