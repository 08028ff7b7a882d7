// SPDX-License-Identifier: GPL-3.0-or-later
// Y-variables (type 03, both models): a function equation stored as tokens of the
// file's model behind a 2-byte token length. The name is 5E and the equation's
// code: 10..19 for Y1..Y9, Y0, 20..2B for X1T, Y1T ... Y6T, 40..45 for r1..r6 and
// 80, 81 for Un, Vn (TI-82) or 80..82 for u, v, w (TI-83).
#pragma once

#include "vareditors/FileBuild.h"
#include "vareditors/TokenBody.h"
#include "varfile/CalcModel.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vexil::vardata {

inline constexpr std::string_view kFunctionReadError = "Error reading function file.";

struct FunctionVariable {
    varfile::CalcModel model = varfile::CalcModel::TI83;
    int nameIndex = 0; // into the model's name list, Y1 first
    std::string text;  // 8-bit token text, line breaks as CR LF
};

// 30 equations on the TI-82, 31 on the TI-83.
int FunctionNameCount(varfile::CalcModel model);
// "Y1".."Y9", "Y0", "X1T", "Y1T" ... "Y6T", "r1".."r6", then "Un", "Vn" or "u", "v", "w".
std::string FunctionNameLabel(varfile::CalcModel model, int nameIndex);
std::uint8_t FunctionNameCode(int nameIndex);
// The name index of a stored code; a code the model has no equation for counts as Y1.
int FunctionIndexFromCode(varfile::CalcModel model, std::uint8_t code);

struct LoadedFunction {
    FunctionVariable variable;
    varfile::Bytes tokens; // as stored; `variable.text` is decoded from them
    bool complete = true;
};

// The tokens run from offset 72 up to the checksum; the stored lengths are not
// trusted.
LoadedFunction LoadFunctionFile(varfile::ByteView file);

struct FunctionBuild : FileBuild {
    std::size_t failedAt = 0; // 1-based text position that starts no token
};

// Encodes the text; "Invalid token found." when some position starts no token.
FunctionBuild BuildFunctionFile(const FunctionVariable &function);

// The file around tokens already encoded (the editor encodes with a progress bar).
FileBuild FunctionFileFromTokens(varfile::CalcModel model, int nameIndex, varfile::ByteView tokens);

} // namespace vexil::vardata
