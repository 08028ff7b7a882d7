// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/ProgramName.h"

#include "base/AsciiText.h"

#include <algorithm>

namespace vexil::assemble {
namespace {

constexpr std::size_t kExtraMemoryDigits = 4;
constexpr std::uint8_t kCrashNameMarker = 0xDC;

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
    return target == ShellTarget::CrASH ? kMaxProgramName - 1 : kMaxProgramName;
}

bool IsProgramNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '@';
}

std::string DefaultProgramName(const std::filesystem::path &file)
{
    std::string name;
    for (char c : file.stem().string()) {
        const char upper = base::AsciiUpper(c);
        if (IsProgramNameCharacter(upper) && name.size() < kMaxProgramName) {
            name.push_back(upper);
        }
    }
    return name;
}

std::optional<char> FilterProgramNameKey(char typed)
{
    const char c = base::AsciiUpper(typed);
    if (IsProgramNameCharacter(c) || IsControl(c)) {
        return c;
    }
    return std::nullopt;
}

std::optional<char> FilterExtraMemoryKey(char typed)
{
    const char c = base::AsciiUpper(typed);
    if (IsHexDigit(c) || IsControl(c)) {
        return c;
    }
    return std::nullopt;
}

GivenName CheckGivenName(std::string_view typed, ShellTarget target)
{
    GivenName given{base::AsciiUpper(typed), NameProblem::None};
    if (!std::all_of(given.name.begin(), given.name.end(), IsProgramNameCharacter)) {
        given.problem = NameProblem::BadCharacter;
    } else if (given.name.empty()) {
        given.problem = NameProblem::Empty;
    } else if (given.name.size() > ProgramNameLimit(target)) {
        given.problem = NameProblem::TooLong;
    }
    return given;
}

std::optional<std::string> PadExtraMemory(std::string_view digits)
{
    if (digits.size() > kExtraMemoryDigits ||
        !std::all_of(digits.begin(), digits.end(), IsHexDigit)) {
        return std::nullopt;
    }
    std::string figure(kExtraMemoryDigits - digits.size(), '0');
    figure.append(digits);
    return figure;
}

varfile::VarName ProgramNameField(std::string_view name, ShellTarget target)
{
    if (target != ShellTarget::CrASH) {
        return varfile::ProgramVarName(name);
    }
    const varfile::VarName typed = varfile::ProgramVarName(name.substr(0, kMaxProgramName - 1));
    varfile::VarName field{};
    field[0] = kCrashNameMarker;
    std::copy(typed.begin(), typed.end() - 1, field.begin() + 1);
    return field;
}

} // namespace vexil::assemble
