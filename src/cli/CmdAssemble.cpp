// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli assemble: the assembly run of the Assemble command without a window.
// It uses the program directory and options the desktop program uses, so a source
// assembles here exactly as it does on F7.
#include "cli/CliArgs.h"
#include "cli/Commands.h"

#include "app/OptionsFile.h"
#include "app/ProgramDirectory.h"
#include "assemble/ProgramName.h"
#include "assemble/run/AssembleDialogRules.h"
#include "assemble/run/AssemblyRun.h"
#include "assemble/run/RunTexts.h"
#include "base/AsciiText.h"
#include "base/FileIo.h"

#include <cstdlib>
#include <iostream>

namespace vexil::cli {
namespace {

namespace fs = std::filesystem;
using namespace vexil::assemble::run;

fs::path ExecutableDirectory()
{
    std::error_code ignored;
    return fs::read_symlink("/proc/self/exe", ignored).parent_path();
}

AssemblerFlags FlagsFrom(const app::Options &options)
{
    return AssemblerFlags{options.outputListing, options.includeLabels,  options.expandMacros,
                          options.pageListing,   options.ignoreCase,     options.checkIllegal,
                          options.checkUnused,   options.checkDuplicate, options.checkNonUnary};
}

// A name given on the command line is taken as the name box would take it when
// typed (apart from upper-casing) and must fit the target; anything else is refused
// rather than silently altered. An empty name meets the dialog's own check.
std::string CheckedName(const std::string &typed, assemble::ShellTarget target)
{
    const assemble::GivenName given = assemble::CheckGivenName(typed, target);
    switch (given.problem) {
    case assemble::NameProblem::BadCharacter:
        throw UsageError("--name takes letters, digits and @ only");
    case assemble::NameProblem::TooLong:
        throw UsageError("--name takes at most " +
                         std::to_string(assemble::ProgramNameLimit(target)) +
                         " characters for this target");
    case assemble::NameProblem::None:
    case assemble::NameProblem::Empty:
        break;
    }
    return given.name;
}

} // namespace

int RunAssemble(const Words &words)
{
    const CliArgs args(words, {"-o", "--target", "--name", "--extra-memory"},
                       {"--protect", "--home-screen", "--squish"});
    args.expectPositional(1, 1);
    const fs::path source = args.positional()[0];

    const fs::path programDir =
        app::ResolveProgramDirectory(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    const app::PrepareResult prepared = app::PrepareProgramDirectory(
        programDir, app::FindSeedDirectory(ExecutableDirectory(), VEXIL_BUILD_DATA_DIR));
    for (const std::string &problem : prepared.problems) {
        std::cerr << "vexil-cli assemble: " << problem << '\n';
    }
    const app::Options options = app::ReadOptionsFile(programDir).value_or(app::DefaultOptions());

    assemble::ShellTarget target = app::SelectedTarget(options);
    if (auto name = args.value("--target")) {
        const std::optional<assemble::ShellTarget> chosen = assemble::ShellTargetNamed(*name);
        if (!chosen) {
            throw UsageError("unknown target " + *name);
        }
        target = *chosen;
    }

    const base::ReadResult text = base::ReadWholeFile(source);
    if (!text.ok()) {
        std::cerr << "vexil-cli assemble: " << text.error->message << '\n';
        return kExitBadInput;
    }
    RunRequest request;
    request.source = source;
    request.programDir = programDir;
    request.installedAssembler = ExecutableDirectory() / "tasm";
    request.program.target = target;
    request.flags = FlagsFrom(options);
    request.program.editProtect = args.flag("--protect");
    request.program.homeScreen = args.flag("--home-screen");
    request.program.squish = args.flag("--squish");
    if (auto name = args.value("--name")) {
        request.program.name = CheckedName(*name, target);
    } else {
        const std::string_view sourceText(reinterpret_cast<const char *>(text.bytes.data()),
                                          text.bytes.size());
        request.program.name = ResolveProgramName(sourceText, {}, source).boxText;
    }
    const DialogCheck check = CheckAssembleDialog(
        request.program.name, base::AsciiUpper(args.value("--extra-memory").value_or("")));
    if (!check.accepted) {
        std::cerr << "vexil-cli assemble: " << check.message << '\n';
        return kExitBadInput;
    }
    request.program.extraMemory = check.extraMemory;

    // Runs of vexil-cli go side by side, each in a folder of its own; a run in the
    // window, which keeps its files in the program directory, is waited for.
    request.privateRunFolder = true;
    RunLock::Outcome lock = RunLock::Take(programDir, RunLock::Kind::Shared, false);
    if (!lock.lock && lock.error.empty()) {
        std::cerr << "vexil-cli assemble: waiting for the assembly running in Vexil...\n";
        lock = RunLock::Take(programDir, RunLock::Kind::Shared, true);
    }
    if (!lock.lock) {
        std::cerr << "vexil-cli assemble: " << lock.error << '\n';
        return kExitBadInput;
    }
    AssemblyRun run;
    if (std::string error = run.Start(request); !error.empty()) {
        std::cerr << "vexil-cli assemble: " << error << '\n';
        return kExitBadInput;
    }
    const PollResult result = run.Wait();
    if (result.state == RunState::Failed) {
        for (const std::string &line : result.errorLines) {
            std::cerr << line << '\n';
        }
        std::cerr << kFailedStatus << '\n';
        return kExitBadInput;
    }
    const fs::path destination = args.value("-o").value_or(std::string());
    const ProgramResult program = run.WriteProgramFile(destination);
    if (!program.ok) {
        std::cerr << "vexil-cli assemble: " << program.message << '\n';
        return kExitBadInput;
    }
    std::cout << (destination.empty() ? run.Paths().programFile : destination).string() << '\n';
    return kExitOk;
}

} // namespace vexil::cli
