// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of an assembled program's calculator name and of the figure that goes
// with it: which characters a name may hold, how long it may be on each target,
// the name a file name suggests, and the 8 bytes the program file stores.
#pragma once

#include "assemble/ShellTarget.h"
#include "varfile/VarNames.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vexil::assemble {

inline constexpr std::size_t kMaxProgramName = 8;

inline constexpr std::string_view kNoNameMessage = "Program must have a name!";
inline constexpr std::string_view kBadExtraMemoryMessage =
    "The hex value you entered into the Extra Memory Allocation text box is invalid.  Please "
    "enter up to 4 hex digits (0..9, A..F) with no hex prefixes or suffixes.";

// 7 on CrASH, whose name field spends its first byte on a marker; 8 elsewhere.
std::size_t ProgramNameLimit(ShellTarget target);

// A-Z, 0-9 and "@", which stands for theta.
bool IsProgramNameCharacter(char c);

// The file name without folder and extension, upper-cased, with everything but
// A-Z, 0-9 and "@" deleted, cut to 8 characters. May be empty.
std::string DefaultProgramName(const std::filesystem::path &file);

// A key typed into the program name box: letters come out upper-cased; A-Z, 0-9,
// "@" and control characters (editing keys) pass; anything else is swallowed.
std::optional<char> FilterProgramNameKey(char typed);

// A key typed into the extra-memory box: letters come out upper-cased; 0-9, A-F and
// control characters pass; other characters are swallowed.
std::optional<char> FilterExtraMemoryKey(char typed);

enum class NameProblem { None, Empty, BadCharacter, TooLong };

struct GivenName {
    std::string name; // upper-cased
    NameProblem problem = NameProblem::None;
};

// A name given whole, as on the command line: letters are taken as upper-case, and
// it must be 1 to ProgramNameLimit(target) characters A-Z, 0-9 or "@". A bad
// character is reported before a name that is too long.
GivenName CheckGivenName(std::string_view typed, ShellTarget target);

// The extra-memory figure: up to 4 digits 0-9 or A-F, padded on the left with "0"
// to 4; nothing when the text is longer or holds another character.
std::optional<std::string> PadExtraMemory(std::string_view digits);

// The 8 name bytes of the program's entry: the name's characters with "@" as theta,
// padded with zero bytes. On CrASH the marker byte DC comes first and the name is
// cut so that it and the first 7 characters fill the field.
varfile::VarName ProgramNameField(std::string_view name, ShellTarget target);

} // namespace vexil::assemble
