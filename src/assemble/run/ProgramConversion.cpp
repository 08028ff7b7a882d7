// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/run/ProgramConversion.h"

#include "assemble/ProgramFile.h"

namespace vexil::assemble::run {
namespace {

Target ProgramTarget(ShellTarget target)
{
    switch (target) {
    case ShellTarget::Ash:
        return Target::Ash;
    case ShellTarget::Crash:
        return Target::CrASH;
    case ShellTarget::Ti83:
        return Target::TI83;
    case ShellTarget::AShell83:
        return Target::AShell83;
    }
    return Target::Ash;
}

} // namespace

ConversionResult ConvertObject(std::span<const std::uint8_t> object, ShellTarget target,
                               const ProgramOptions &options)
{
    ProgramSettings settings;
    settings.target = ProgramTarget(target);
    settings.name = options.name;
    settings.editProtect = options.editProtect;
    settings.homeScreen = options.homeScreen;
    settings.squish = options.squish;
    settings.extraMemory = options.extraMemory;
    ProgramFileResult built = BuildProgramFile(object, settings);
    return {std::move(built.file), std::move(built.error)};
}

} // namespace vexil::assemble::run
