// SPDX-License-Identifier: GPL-3.0-or-later
// The Assemble dialog's rules as plain functions, so the dialog, vexil-cli and the
// tests share one definition: the name the box starts with, and the checks (with
// their exact messages) behind OK. What each box lets through while typing is part
// of the program-name rules (assemble/ProgramName.h).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vexil::assemble::run {

struct ResolvedName {
    std::string progName; // what the source window should remember from now on
    bool progNameChanged; // it differs from what was remembered: mark the source modified
    std::string boxText;  // what the program name box starts with
};

// The name box's starting text for a run: the "; Progname:" line wins over the
// remembered name, and the default name fills in when both are empty.
ResolvedName ResolveProgramName(std::string_view sourceText, const std::string &rememberedName,
                                const std::filesystem::path &sourceFile);

struct DialogCheck {
    bool accepted = false;
    std::string message;     // the warning to show when not accepted
    std::string extraMemory; // when accepted: exactly 4 hex digits
};

// The checks behind OK: a name must be there, and the extra-memory text, padded on
// the left with "0" to 4 characters, must be 4 digits 0-9 or A-F.
DialogCheck CheckAssembleDialog(std::string_view programName, std::string_view extraMemory);

} // namespace vexil::assemble::run
