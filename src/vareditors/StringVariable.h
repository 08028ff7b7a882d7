// SPDX-License-Identifier: GPL-3.0-or-later
// TI-83 strings (type 04): the name AA + 0..9 for Str1..Str9, Str0, and the text as
// TI-83 tokens behind a 2-byte token length.
#pragma once

#include "vareditors/FileBuild.h"
#include "vareditors/LoadResult.h"
#include "vareditors/TokenBody.h"
#include "varfile/CalcModel.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vexil::vardata {

inline constexpr int kStringNameCount = 10;
inline constexpr std::string_view kStringReadError = "Error reading string file.";

inline constexpr std::size_t kStringTokensOffset = kTokenBodyOffset;

struct StringVariable {
    int nameIndex = 0; // 0..8 for Str1..Str9, 9 for Str0
    std::string text;  // 8-bit token text, line breaks as CR LF
};

// "Str1".."Str9", "Str0".
std::string StringVarLabel(int nameIndex);

// The tokens are taken from offset 72 up to the checksum; the stored lengths are
// not trusted.
LoadResult<StringVariable> LoadStringFile(varfile::ByteView file);

// The token bytes LoadStringFile decodes; empty when the file is too short for any.
varfile::ByteView StringFileTokens(varfile::ByteView file);

struct StringBuild {
    varfile::Bytes file;
    std::size_t failedAt = 0; // 1-based text position that starts no token
    std::string error;        // empty on success

    bool ok() const { return error.empty(); }
};

StringBuild BuildStringFile(const StringVariable &string);

// The file around TI-83 tokens already encoded.
FileBuild StringFileFromTokens(int nameIndex, varfile::ByteView tokens);

} // namespace vexil::vardata
