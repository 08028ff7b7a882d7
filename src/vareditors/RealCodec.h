// SPDX-License-Identifier: GPL-3.0-or-later
// Calculator reals at fixed offsets of a file, and appended to a data section.
#pragma once

#include "vareditors/FixedOffsetReader.h"
#include "varfile/CalcModel.h"
#include "varfile/CalcReal.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace vexil::vardata {

inline constexpr std::size_t kRealSize = 9;

// The real stored at `offset`; nothing when the file ends first or a digit is
// not decimal.
std::optional<double> ReadReal(const FixedOffsetReader &reader, std::size_t offset);

// Appends the 9 bytes of `value`; false (and nothing appended) when the value
// cannot be stored because it lies outside -1E100 to 1E100.
bool AppendReal(varfile::Bytes &data, double value, varfile::RealKind kind);

// A typed number as the editors take it: parsed, rounded to 14 digits and then
// range-checked (so 9.99999999999999E99, which rounds to 1E100, is refused).
std::optional<double> ParseTypedReal(std::string_view text);

} // namespace vexil::vardata
