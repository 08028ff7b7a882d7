// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a variable file: the container parser, the name display, the
// program loader and the decoder of whatever tokens it found must neither crash
// nor read outside the buffer, and an intact program must survive being saved
// again.
#include "tibasic/ProgramFile.h"
#include "tibasic/Tokenizer.h"
#include "varfile/CalcReal.h"
#include "varfile/VarFileReader.h"
#include "varfile/VarNames.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

using namespace vexil;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const varfile::ByteView file(data, size);
    const varfile::VarFileContents contents = varfile::ParseVarFile(file);
    (void)contents.commentText();
    (void)contents.complete();
    for (const varfile::ParsedEntry &entry : contents.entries) {
        if (entry.data.size() > entry.dataLength) {
            std::abort();
        }
        (void)varfile::DisplayVarName(contents.model, entry.typeId, entry.name);
        (void)varfile::DecodeRealAt(entry.data, 0);
    }

    const tibasic::LoadedProgram loaded = tibasic::LoadProgramFile(file);
    (void)tibasic::DecodeTokens(loaded.model, loaded.program.tokens);
    if (loaded.ok()) {
        const auto saved = tibasic::BuildProgramFile(loaded.model, loaded.program);
        if (!saved) {
            std::abort();
        }
        const tibasic::LoadedProgram again = tibasic::LoadProgramFile(*saved);
        if (!again.ok() || again.program.tokens != loaded.program.tokens ||
            again.program.isProtected != loaded.program.isProtected) {
            std::abort();
        }
    }
    return 0;
}
