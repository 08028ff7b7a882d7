// SPDX-License-Identifier: GPL-3.0-or-later
// The Assemble dialog's input rules as plain functions, so the dialog, vexil-cli and
// the tests share one definition: what each box lets through while typing, how long
// a name may be, and the checks (with their exact messages) behind OK.
#pragma once

#include "assemble/run/ShellTarget.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vexil::assemble::run {

inline constexpr std::string_view kNoNameMessage = "Program must have a name!";
inline constexpr std::string_view kBadExtraMemoryMessage =
    "The hex value you entered into the Extra Memory Allocation text box is invalid.  Please "
    "enter up to 4 hex digits (0..9, A..F) with no hex prefixes or suffixes.";

// 7 on CrASH, whose name field spends its first byte on a marker; 8 elsewhere.
std::size_t ProgramNameLimit(ShellTarget target);

// A key typed into the program name box: letters come out upper-cased; A-Z, 0-9,
// "@" and control characters (editing keys) pass; anything else is swallowed.
std::optional<char> FilterProgramNameKey(char typed);

// A key typed into the extra-memory box: letters come out upper-cased; 0-9, A-F and
// control characters pass; other characters are swallowed.
std::optional<char> FilterExtraMemoryKey(char typed);

struct DialogCheck {
    bool accepted = false;
    std::string message;     // the warning to show when not accepted
    std::string extraMemory; // when accepted: exactly 4 hex digits
};

// The checks behind OK: a name must be there, and the extra-memory text, padded on
// the left with "0" to 4 characters, must be 4 digits 0-9 or A-F.
DialogCheck CheckAssembleDialog(std::string_view programName, std::string_view extraMemory);

} // namespace vexil::assemble::run
