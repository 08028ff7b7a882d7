// SPDX-License-Identifier: GPL-3.0-or-later
// A window value as the window, zoom and graph database variables hold it: a
// number, or, for an initial sequence value the user never set, undefined. The
// calculators mark an undefined real in its flags byte (10 on the TI-82, 02 on
// the TI-83) and keep a number behind it.
#pragma once

#include "vareditors/FixedOffsetReader.h"
#include "varfile/CalcModel.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace vexil::vardata {

struct SettingValue {
    bool defined = true;
    double value = 0.0; // meaningful only when defined

    static SettingValue Undefined() { return {false, 0.0}; }
    bool operator==(const SettingValue &) const = default;
};

// The real at `offset`; the flag counts only where the value `mayBeUndefined`,
// since elsewhere it is not ours to interpret. Nothing when the file ends first
// or a digit is not decimal.
std::optional<SettingValue> ReadSettingValue(const FixedOffsetReader &reader,
                                             varfile::CalcModel model, std::size_t offset,
                                             bool mayBeUndefined);

// Appends the 9 bytes; false (and nothing appended) for a number outside
// -1E100 to 1E100.
bool AppendSettingValue(varfile::Bytes &data, varfile::CalcModel model, const SettingValue &value);

// A typed value: an empty text is undefined where the value `mayBeUndefined`,
// otherwise a number as the editors take it. Nothing when refused; `emptyIsZero`
// keeps the settings grids' rule that an emptied cell counts as 0.
std::optional<SettingValue> ParseSettingValue(std::string_view text, bool mayBeUndefined,
                                              bool emptyIsZero);

} // namespace vexil::vardata
