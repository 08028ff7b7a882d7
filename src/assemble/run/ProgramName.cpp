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
    return std::string(line.substr(kProgNamePrefix.size(), kMaxProgramName));
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
