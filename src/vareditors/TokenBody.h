// SPDX-License-Identifier: GPL-3.0-or-later
// The data of strings and Y-variables: a 2-byte token length, then the tokens.
// Readers take the tokens from offset 72 up to the checksum, as the calculators'
// own link software has always written one entry per file.
#pragma once

#include "varfile/CalcModel.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace vexil::vardata {

inline constexpr std::size_t kTokenBodyOffset = 72;

// Saving a string or an equation whose text holds a character that starts no token.
inline constexpr std::string_view kInvalidTokenFound = "Invalid token found.";

// The token bytes of a single-entry file; nothing when the file is too short to
// hold the token length and the checksum.
std::optional<varfile::ByteView> TokenBody(varfile::ByteView file);

// The entry data for `tokens`: their length, low byte first, then the tokens.
varfile::Bytes TokenBodyData(varfile::ByteView tokens);

} // namespace vexil::vardata
