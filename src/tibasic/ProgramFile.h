// SPDX-License-Identifier: GPL-3.0-or-later
// TI-82/83 program files (.82p, .83p): one variable of type 5 (6 when protected)
// whose data is the 16-bit program length followed by the tokens. The program
// editors and vexil-cli both read and write programs through this file.
#pragma once

#include "varfile/CalcModel.h"

#include <cstddef>
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
    Truncated,   // ends before the tokens its program length announces, or before the
                 // program length itself: the tokens are those that are there
    NotAProgram, // the type byte names another kind of variable; the rest is read as usual
    Foreign,     // a TI-83 Plus file or another calculator's: nothing is read
};

struct LoadedProgram {
    CalcModel model = CalcModel::TI83; // from the signature
    Program program;                   // as far as it could be read, even on error
    std::optional<ProgramFileError> error;

    bool ok() const { return !error.has_value(); }
};

inline constexpr std::size_t kProgramTokensOffset = 72;

// Reads the type byte at 59, the name at 60 to 67 and every byte from 72 up to the
// last two as tokens; the signature, the lengths and the checksum are not checked,
// so files from other tools with stale fields still load whole. Only when both the
// entry and the program length announce more bytes than the file holds is it taken
// as cut short: then its last two bytes are tokens, not a checksum. Never reads past
// the end of `file`.
LoadedProgram LoadProgramFile(ByteView file);

// A program file read strictly, for callers that must hand on exactly what is
// stored (vexil-cli basic export): a TI-82 or TI-83 file holding one program entry
// that is all there, with lengths that agree. A wrong checksum, signature or
// section length leaves every token in place and is only a warning.
struct ExactProgram {
    CalcModel model = CalcModel::TI83;
    Program program;
    std::string refusal; // why the file is not that, for the user; empty when it is
    std::vector<std::string> warnings;

    bool ok() const { return refusal.empty(); }
};

ExactProgram ReadExactProgramFile(ByteView file);

// The whole file, with Vexil's program comment. Nothing when the program is too
// long for the 16-bit length fields of the container.
std::optional<Bytes> BuildProgramFile(CalcModel model, const Program &program);

} // namespace vexil::tibasic
