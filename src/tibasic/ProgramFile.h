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
    TooShort,    // ends before the name is complete: nothing is known
    Truncated,   // ends before the program length and checksum: only the name is known
    NotAProgram, // the type byte names another kind of variable; the rest is read as usual
};

struct LoadedProgram {
    CalcModel model = CalcModel::TI83; // from the signature
    Program program;                   // as far as it could be read, even on error
    std::optional<ProgramFileError> error;

    bool ok() const { return !error.has_value(); }
};

// Reads the type byte at 59, the name at 60 to 67 and every byte from 72 up to the
// last two as tokens; the signature, the lengths and the checksum are not checked,
// so files from other tools with stale fields still load whole. Never reads past
// the end of `file`.
LoadedProgram LoadProgramFile(ByteView file);

// The whole file, with Vexil's program comment. Nothing when the program is too
// long for the 16-bit length fields of the container.
std::optional<Bytes> BuildProgramFile(CalcModel model, const Program &program);

} // namespace vexil::tibasic
