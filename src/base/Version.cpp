// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/Version.h"

namespace vexil::base {

const char *VexilVersion()
{
    return VEXIL_VERSION;
}

std::string VersionText(std::string_view program)
{
    return std::string(program) + " (Vexil) " + VEXIL_VERSION +
           "\nLicense GPL-3.0-or-later: you may change and share it; there is NO WARRANTY.\n";
}

} // namespace vexil::base
