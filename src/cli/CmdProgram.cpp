// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli program: an assembled object becomes a program file for a target shell.
#include "cli/CliArgs.h"
#include "cli/Commands.h"

#include "assemble/ProgramFile.h"
#include "assemble/ProgramName.h"

#include <iostream>

namespace vexil::cli {

int RunProgram(const Words &words)
{
    const CliArgs args(words, {"-o", "--target", "--name", "--extra-memory"},
                       {"--protect", "--home-screen", "--squish"});
    args.expectPositional(1, 1);
    const std::string output = args.required("-o");
    const std::string targetName = args.required("--target");
    const std::optional<assemble::ShellTarget> target = assemble::ShellTargetNamed(targetName);
    if (!target) {
        throw UsageError("unknown target '" + targetName + "' (ash, crash, ti83 or ashell83)");
    }
    assemble::ProgramSettings settings;
    settings.target = *target;
    const std::string typedName = args.required("--name");
    const assemble::GivenName name = assemble::CheckGivenName(typedName, *target);
    if (name.problem != assemble::NameProblem::None) {
        std::cerr << "vexil-cli program: invalid program name '" << typedName << "': use 1 to "
                  << assemble::ProgramNameLimit(*target) << " characters A-Z, 0-9 or @ (theta)\n";
        return kExitBadInput;
    }
    settings.name = name.name;
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
