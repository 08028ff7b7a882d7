// SPDX-License-Identifier: GPL-3.0-or-later
// The one convention of an assembler source: an optional first line "; Progname:NAME"
// that records the calculator program name between sessions.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vexil::editor {

inline constexpr std::string_view kProgNamePrefix = "; Progname:";

// The program name a file name suggests: file name without folder and extension,
// upper-cased, only A-Z, 0-9 and "@" kept, at most 8 characters.
std::string DefaultProgramName(std::string_view path);

// What loading reads from the first line. The prefix is matched case-sensitively, so
// "; PROGNAME:X" yields nothing here.
std::string ProgNameFromFirstLine(std::string_view firstLine);

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
