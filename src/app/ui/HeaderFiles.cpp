// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/HeaderFiles.h"

namespace vexil::app {

std::filesystem::path HeaderFilePath(const std::filesystem::path &programDirectory, HeaderKind kind)
{
    switch (kind) {
    case HeaderKind::Ti82Ash:
        return programDirectory / "ash" / "ti82.h";
    case HeaderKind::Ti83:
        return programDirectory / "ti83" / "ti83asm.inc";
    case HeaderKind::Ti82Crash:
        break;
    }
    return programDirectory / "crash" / "crash82.inc";
}

std::filesystem::path IncludeFilePath(const std::filesystem::path &programDirectory,
                                      HeaderKind kind)
{
    if (kind == HeaderKind::Ti82Ash) {
        return programDirectory / "ash" / "keys.inc";
    }
    return programDirectory / "ti83" / "tokens.inc";
}

} // namespace vexil::app
