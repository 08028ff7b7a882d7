// SPDX-License-Identifier: GPL-3.0-or-later
// Where a program's calculator name comes from: a "; Progname:" first line in the
// source, remembered by the source window, or else a name made from the file name.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vexil::assemble::run {

inline constexpr std::size_t kMaxProgramName = 8;

// The file name without folder and extension, upper-cased, with everything but
// A-Z, 0-9 and "@" deleted, cut to 8 characters. May be empty.
std::string DefaultProgramName(const std::filesystem::path &file);

// The name a "; Progname:" first line carries (the prefix compared without regard
// to case), cut to 8 characters. Blanks after the colon stay part of the name.
// Nothing when the first line is not such a line.
std::optional<std::string> ProgNameFromSource(std::string_view sourceText);

struct ResolvedName {
    std::string progName; // what the source window should remember from now on
    bool progNameChanged; // it differs from what was remembered: mark the source modified
    std::string boxText;  // what the program name box starts with
};

// The name box's starting text for a run: the "; Progname:" line wins over the
// remembered name, and the default name fills in when both are empty.
ResolvedName ResolveProgramName(std::string_view sourceText, const std::string &rememberedName,
                                const std::filesystem::path &sourceFile);

} // namespace vexil::assemble::run
