// SPDX-License-Identifier: GPL-3.0-or-later
// The assembler's error lines, "<file> line <nnnn>: <message>", as the error list shows
// them, and where a double-click on one leads.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vexil::editor {

struct ErrorLocation {
    std::string file; // as written in the entry, possibly without a folder
    int line = 0;     // 1-based
};

// Empty when the entry has no " line " or its four number characters are not digits.
std::optional<ErrorLocation> ParseErrorEntry(std::string_view entry);

} // namespace vexil::editor
