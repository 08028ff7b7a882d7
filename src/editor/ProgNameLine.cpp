// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ProgNameLine.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace vexil::editor {
namespace {

std::string upper(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return out;
}

bool startsWithProgNameAnyCase(std::string_view line)
{
    return line.size() >= kProgNamePrefix.size() &&
           upper(line.substr(0, kProgNamePrefix.size())) == upper(kProgNamePrefix);
}

} // namespace

std::string DefaultProgramName(std::string_view path)
{
    const std::string stem = std::filesystem::path(std::string(path)).stem().string();
    std::string name;
    for (char c : upper(stem)) {
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '@') {
            name += c;
        }
    }
    return name.substr(0, 8);
}

std::string ProgNameFromFirstLine(std::string_view firstLine)
{
    if (firstLine.substr(0, kProgNamePrefix.size()) != kProgNamePrefix) {
        return {};
    }
    return std::string(firstLine.substr(kProgNamePrefix.size()));
}

ProgNameEdit PlanProgNameLine(std::optional<std::string_view> firstLine, std::string_view progName,
                              std::string_view path)
{
    const bool impliedByFileName = upper(progName) == upper(DefaultProgramName(path));
    const std::string wanted = std::string(kProgNamePrefix) + std::string(progName);
    ProgNameEdit edit;
    if (!firstLine || !startsWithProgNameAnyCase(*firstLine)) {
        if (!progName.empty() && !impliedByFileName) {
            edit.action = ProgNameEdit::Action::Insert;
            edit.line = wanted;
        }
        return edit;
    }
    if (progName.empty() || impliedByFileName) {
        edit.action = ProgNameEdit::Action::Delete;
    } else if (*firstLine != wanted) {
        edit.action = ProgNameEdit::Action::Replace;
        edit.line = wanted;
    }
    return edit;
}

} // namespace vexil::editor
