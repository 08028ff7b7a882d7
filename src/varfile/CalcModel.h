// SPDX-License-Identifier: GPL-3.0-or-later
// The two calculators Vexil writes files for. A type id only has a meaning
// together with the model, so most of the file core takes both.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vexil::varfile {

enum class CalcModel { TI82, TI83 };

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

// "82" or "83": the digits used in signatures and file extensions.
inline const char *ModelDigits(CalcModel model)
{
    return model == CalcModel::TI82 ? "82" : "83";
}

} // namespace vexil::varfile
