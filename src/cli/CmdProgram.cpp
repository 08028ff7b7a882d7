// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli program: an assembled object becomes a program file for a target shell.
#include "cli/CliArgs.h"
#include "cli/Commands.h"

#include "assemble/ProgramFile.h"

#include <iostream>

namespace vexil::cli {

namespace {

// The names the Assemble dialog lets through: letters are taken as upper-case;
// A-Z, 0-9 and "@" (theta), at most 8 characters, 7 for CrASH, whose name field
// starts with a prefix byte.
std::optional<std::string> CheckedName(const std::string &typed, assemble::Target target)
{
    const std::size_t limit = target == assemble::Target::CrASH ? 7 : 8;
    if (typed.empty() || typed.size() > limit) {
        return std::nullopt;
    }
    std::string name;
    for (char c : typed) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '@')) {
            return std::nullopt;
        }
        name += c;
    }
    return name;
}

} // namespace

int RunProgram(const Words &words)
{
    const CliArgs args(words, {"-o", "--target", "--name", "--extra-memory"},
                       {"--protect", "--home-screen", "--squish"});
    args.expectPositional(1, 1);
    const std::string output = args.required("-o");
    const std::string targetName = args.required("--target");
    const std::optional<assemble::Target> target = assemble::TargetFromName(targetName);
    if (!target) {
        throw UsageError("unknown target '" + targetName + "' (ash, crash, ti83 or ashell83)");
    }
    assemble::ProgramSettings settings;
    settings.target = *target;
    const std::string typedName = args.required("--name");
    const std::optional<std::string> name = CheckedName(typedName, *target);
    if (!name) {
        std::cerr << "vexil-cli program: invalid program name '" << typedName << "': use 1 to "
                  << (*target == assemble::Target::CrASH ? 7 : 8)
                  << " characters A-Z, 0-9 or @ (theta)\n";
        return kExitBadInput;
    }
    settings.name = *name;
    settings.editProtect = args.flag("--protect");
    settings.homeScreen = args.flag("--home-screen");
    settings.squish = args.flag("--squish");
    settings.extraMemory = args.value("--extra-memory").value_or("0000");

    if (auto error = assemble::ConvertObjectFile(args.positional()[0], output, settings)) {
        std::cerr << *error << '\n';
        return kExitBadInput;
    }
    return kExitOk;
}

} // namespace vexil::cli
