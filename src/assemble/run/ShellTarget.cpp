// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/run/ShellTarget.h"

#include <array>

namespace vexil::assemble::run {
namespace {

constexpr std::array<ShellTarget, 4> kAllTargets = {ShellTarget::Ash, ShellTarget::Crash,
                                                    ShellTarget::Ti83, ShellTarget::AShell83};

} // namespace

ShellTarget TargetFromOptions(bool ti83Mode, std::uint32_t shell82, std::uint32_t shell83)
{
    // A value out of range means the first shell, as it does for the mode, the header
    // template and the shell folder, so a damaged options file cannot split them.
    if (ti83Mode) {
        return shell83 == 1 ? ShellTarget::AShell83 : ShellTarget::Ti83;
    }
    return shell82 == 1 ? ShellTarget::Crash : ShellTarget::Ash;
}

bool IsTi83Target(ShellTarget target)
{
    return target == ShellTarget::Ti83 || target == ShellTarget::AShell83;
}

std::string_view IncludeFolderName(ShellTarget target)
{
    switch (target) {
    case ShellTarget::Ash:
        return "ash";
    case ShellTarget::Crash:
        return "crash";
    case ShellTarget::Ti83:
        return "ti83";
    case ShellTarget::AShell83:
        return "ashell83";
    }
    return "ash";
}

std::optional<ShellTarget> ParseTargetName(std::string_view name)
{
    for (ShellTarget target : kAllTargets) {
        if (IncludeFolderName(target) == name) {
            return target;
        }
    }
    return std::nullopt;
}

} // namespace vexil::assemble::run
