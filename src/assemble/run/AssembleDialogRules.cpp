// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/run/AssembleDialogRules.h"

#include <algorithm>

namespace vexil::assemble::run {
namespace {

constexpr std::size_t kExtraMemoryDigits = 4;

char UpperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsControl(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

} // namespace

std::size_t ProgramNameLimit(ShellTarget target)
{
    return target == ShellTarget::Crash ? 7 : 8;
}

std::optional<char> FilterProgramNameKey(char typed)
{
    const char c = UpperAscii(typed);
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '@' || IsControl(c)) {
        return c;
    }
    return std::nullopt;
}

std::optional<char> FilterExtraMemoryKey(char typed)
{
    const char c = UpperAscii(typed);
    if (IsHexDigit(c) || IsControl(c)) {
        return c;
    }
    return std::nullopt;
}

DialogCheck CheckAssembleDialog(std::string_view programName, std::string_view extraMemory)
{
    if (programName.empty()) {
        return {false, std::string(kNoNameMessage), {}};
    }
    std::string padded(kExtraMemoryDigits - std::min(extraMemory.size(), kExtraMemoryDigits), '0');
    padded.append(extraMemory);
    if (padded.size() != kExtraMemoryDigits ||
        !std::all_of(padded.begin(), padded.end(), IsHexDigit)) {
        return {false, std::string(kBadExtraMemoryMessage), {}};
    }
    return {true, {}, padded};
}

} // namespace vexil::assemble::run
