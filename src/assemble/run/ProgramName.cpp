// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/run/ProgramName.h"

namespace vexil::assemble::run {
namespace {

constexpr std::string_view kProgNamePrefix = "; PROGNAME:";

char UpperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '@';
}

std::string_view FirstLine(std::string_view text)
{
    return text.substr(0, text.find_first_of("\r\n"));
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

std::string DefaultProgramName(const std::filesystem::path &file)
{
    std::string name;
    for (char c : file.stem().string()) {
        const char upper = UpperAscii(c);
        if (IsNameCharacter(upper) && name.size() < kMaxProgramName) {
            name.push_back(upper);
        }
    }
    return name;
}

std::optional<std::string> ProgNameFromSource(std::string_view sourceText)
{
    const std::string_view line = FirstLine(sourceText);
    if (line.size() < kProgNamePrefix.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < kProgNamePrefix.size(); ++i) {
        if (UpperAscii(line[i]) != kProgNamePrefix[i]) {
            return std::nullopt;
        }
    }
    return std::string(FirstCharacters(line.substr(kProgNamePrefix.size()), kMaxProgramName));
}

ResolvedName ResolveProgramName(std::string_view sourceText, const std::string &rememberedName,
                                const std::filesystem::path &sourceFile)
{
    ResolvedName resolved{rememberedName, false, {}};
    if (auto fromLine = ProgNameFromSource(sourceText)) {
        resolved.progNameChanged = *fromLine != rememberedName;
        resolved.progName = *fromLine;
    }
    resolved.boxText =
        resolved.progName.empty() ? DefaultProgramName(sourceFile) : resolved.progName;
    return resolved;
}

} // namespace vexil::assemble::run
