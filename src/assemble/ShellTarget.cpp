// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/ShellTarget.h"

namespace vexil::assemble {
namespace {

using varfile::CalcModel;

// Both TI-83 targets open the TI-83's own include files: AShell83 programs are
// written against them.
constexpr std::array<ShellTargetInfo, 4> kInfo = {{
    {CalcModel::TI82, "ash", "Ash30.hdr", "ash/ti82.h", "ash/keys.inc", "ash/ash30.82b"},
    {CalcModel::TI82, "crash", "CrASH13.hdr", "crash/crash82.inc", "", "crash/crash.82b"},
    {CalcModel::TI83, "ti83", "TI83.hdr", "ti83/ti83asm.inc", "ti83/tokens.inc", ""},
    {CalcModel::TI83, "ashell83", "AShell83.hdr", "ti83/ti83asm.inc", "ti83/tokens.inc",
     "ashell83/ashell.83g"},
}};

} // namespace

const ShellTargetInfo &Describe(ShellTarget target)
{
    return kInfo[static_cast<std::size_t>(target)];
}

std::optional<ShellTarget> ShellTargetNamed(std::string_view name)
{
    for (ShellTarget target : kShellTargets) {
        if (Describe(target).name == name) {
            return target;
        }
    }
    return std::nullopt;
}

} // namespace vexil::assemble
