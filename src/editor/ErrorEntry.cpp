// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ErrorEntry.h"

namespace vexil::editor {

std::optional<ErrorLocation> ParseErrorEntry(std::string_view entry)
{
    constexpr std::string_view marker = " line ";
    constexpr std::size_t digits = 4;
    const std::size_t at = entry.find(marker);
    if (at == std::string_view::npos || entry.size() < at + marker.size() + digits) {
        return std::nullopt;
    }
    int line = 0;
    for (char c : entry.substr(at + marker.size(), digits)) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        line = line * 10 + (c - '0');
    }
    return ErrorLocation{std::string(entry.substr(0, at)), line};
}

} // namespace vexil::editor
