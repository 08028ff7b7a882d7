// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasm/Diagnostics.h"

#include <cstdio>

namespace vexil::tasm {

std::string formatDiagnostic(const Diagnostic &d)
{
    char number[16];
    std::snprintf(number, sizeof number, "%04d", d.line);
    std::string text = d.file + " line " + number + ": " + d.message + " ";
    if (d.hasDetail) {
        text += "(" + d.detail + ")";
    }
    return text;
}

} // namespace vexil::tasm
