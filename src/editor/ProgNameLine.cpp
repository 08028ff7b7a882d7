// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ProgNameLine.h"

#include "assemble/ProgramName.h"
#include "base/AsciiText.h"

namespace vexil::editor {
namespace {

using base::AsciiUpper;

bool StartsWithProgNameAnyCase(std::string_view line)
{
    return line.size() >= kProgNamePrefix.size() &&
           AsciiUpper(line.substr(0, kProgNamePrefix.size())) == AsciiUpper(kProgNamePrefix);
}

// The first `count` characters of `text`. A well-formed UTF-8 sequence is one
// character, so a cut never splits one; any other byte counts as a character of its own,
// which keeps 8-bit text byte for byte.
std::string_view FirstCharacters(std::string_view text, std::size_t count)
{
    std::size_t end = 0;
    for (std::size_t taken = 0; taken < count && end < text.size(); ++taken) {
        const auto lead = static_cast<unsigned char>(text[end]);
        std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 1;
        if (lead >= 0xF5 || end + length > text.size()) {
            length = 1;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[end + k]) & 0xC0) != 0x80) {
                length = 1;
                break;
            }
        }
        end += length;
    }
    return text.substr(0, end);
}

} // namespace

std::string ProgNameFromFirstLine(std::string_view firstLine)
{
    if (firstLine.substr(0, kProgNamePrefix.size()) != kProgNamePrefix) {
        return {};
    }
    return std::string(firstLine.substr(kProgNamePrefix.size()));
}

std::optional<std::string> ProgNameFromSource(std::string_view sourceText)
{
    const std::string_view line = sourceText.substr(0, sourceText.find_first_of("\r\n"));
    if (!StartsWithProgNameAnyCase(line)) {
        return std::nullopt;
    }
    return std::string(
        FirstCharacters(line.substr(kProgNamePrefix.size()), assemble::kMaxProgramName));
}

ProgNameEdit PlanProgNameLine(std::optional<std::string_view> firstLine, std::string_view progName,
                              std::string_view path)
{
    const bool impliedByFileName =
        AsciiUpper(progName) == assemble::DefaultProgramName(std::string(path));
    const std::string wanted = std::string(kProgNamePrefix) + std::string(progName);
    ProgNameEdit edit;
    if (!firstLine || !StartsWithProgNameAnyCase(*firstLine)) {
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
