// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/run/AssembleDialogRules.h"

#include "assemble/ProgramName.h"
#include "editor/ProgNameLine.h"

namespace vexil::assemble::run {

ResolvedName ResolveProgramName(std::string_view sourceText, const std::string &rememberedName,
                                const std::filesystem::path &sourceFile)
{
    ResolvedName resolved{rememberedName, false, {}};
    if (auto fromLine = editor::ProgNameFromSource(sourceText)) {
        resolved.progNameChanged = *fromLine != rememberedName;
        resolved.progName = *fromLine;
    }
    resolved.boxText =
        resolved.progName.empty() ? DefaultProgramName(sourceFile) : resolved.progName;
    return resolved;
}

DialogCheck CheckAssembleDialog(std::string_view programName, std::string_view extraMemory)
{
    if (programName.empty()) {
        return {false, std::string(kNoNameMessage), {}};
    }
    const std::optional<std::string> figure = PadExtraMemory(extraMemory);
    if (!figure) {
        return {false, std::string(kBadExtraMemoryMessage), {}};
    }
    return {true, {}, *figure};
}

} // namespace vexil::assemble::run
