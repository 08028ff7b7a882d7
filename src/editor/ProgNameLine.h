// SPDX-License-Identifier: GPL-3.0-or-later
// The one convention of an assembler source: an optional first line "; Progname:NAME"
// that records the calculator program name between sessions.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vexil::editor {

inline constexpr std::string_view kProgNamePrefix = "; Progname:";

// What loading reads from the first line. The prefix is matched case-sensitively, so
// "; PROGNAME:X" yields nothing here.
std::string ProgNameFromFirstLine(std::string_view firstLine);

// What the Assemble dialog reads from the source's first line: the prefix compared
// without regard to case, the name cut to 8 characters (blanks after the colon stay
// part of it). Nothing when the first line is not such a line.
std::optional<std::string> ProgNameFromSource(std::string_view sourceText);

struct ProgNameEdit {
    enum class Action { Keep, Insert, Delete, Replace };
    Action action = Action::Keep;
    std::string line; // the new first line for Insert and Replace, without line break
};

// How saving changes the first line. The line is written only when the program name
// differs from what the file name already implies; an existing line (prefix matched
// case-insensitively) is replaced or removed accordingly.
ProgNameEdit PlanProgNameLine(std::optional<std::string_view> firstLine, std::string_view progName,
                              std::string_view path);

} // namespace vexil::editor
