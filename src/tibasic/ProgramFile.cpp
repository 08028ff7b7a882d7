// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/ProgramFile.h"

#include "varfile/Comments.h"
#include "varfile/VarFile.h"
#include "varfile/VarFileReader.h"
#include "varfile/VarNames.h"
#include "varfile/VarTypes.h"

#include <algorithm>
#include <cstddef>

namespace vexil::tibasic {

namespace {

std::string ShownName(const varfile::VarName &name)
{
    std::string shown;
    for (const std::uint8_t byte : name) {
        if (byte == varfile::kThetaByte) {
            shown.push_back('@');
        } else if (byte != 0x00) {
            shown.push_back(static_cast<char>(byte));
        }
    }
    return shown;
}

bool IsProgramType(CalcModel model, std::uint8_t typeId)
{
    const std::optional<varfile::VarKind> kind = varfile::KindOfTypeId(model, typeId);
    return kind == varfile::VarKind::Program || kind == varfile::VarKind::ProtectedProgram;
}

} // namespace

LoadedProgram LoadProgramFile(ByteView file)
{
    const varfile::VarFileContents contents = varfile::ParseVarFile(file);
    LoadedProgram loaded;
    loaded.model = contents.model;
    if (contents.entries.empty()) {
        loaded.error = ProgramFileError::TooShort;
        return loaded;
    }
    const varfile::ParsedEntry &entry = contents.entries.front();
    const std::optional<std::uint8_t> protectedType =
        varfile::TypeIdOf(contents.model, varfile::VarKind::ProtectedProgram);
    loaded.program.name = ShownName(entry.name);
    loaded.program.isProtected = entry.typeId == protectedType;

    const Bytes &data = entry.data;
    if (data.size() < 2) {
        loaded.error = ProgramFileError::Truncated;
        return loaded;
    }
    const std::size_t length = static_cast<std::size_t>(data[0] | (data[1] << 8));
    const std::size_t present = std::min(length, data.size() - 2);
    loaded.program.tokens.assign(data.begin() + 2,
                                 data.begin() + 2 + static_cast<std::ptrdiff_t>(present));
    if (present < length) {
        loaded.error = ProgramFileError::Truncated;
    } else if (!IsProgramType(contents.model, entry.typeId)) {
        loaded.error = ProgramFileError::NotAProgram;
    }
    return loaded;
}

std::optional<Bytes> BuildProgramFile(CalcModel model, const Program &program)
{
    const varfile::VarKind kind =
        program.isProtected ? varfile::VarKind::ProtectedProgram : varfile::VarKind::Program;
    const std::optional<std::uint8_t> typeId = varfile::TypeIdOf(model, kind);
    if (!typeId || program.tokens.size() > 0xFFFF) {
        return std::nullopt;
    }
    Bytes file;
    file.reserve(varfile::kDataOffset + 4 + program.tokens.size());
    varfile::WriteVarFileStart(file, model, varfile::WriterComment(varfile::CommentWriter::Program),
                               *typeId, varfile::ProgramVarName(program.name));
    file.push_back(static_cast<std::uint8_t>(program.tokens.size() & 0xFF));
    file.push_back(static_cast<std::uint8_t>(program.tokens.size() >> 8));
    file.insert(file.end(), program.tokens.begin(), program.tokens.end());
    if (!varfile::FinishVarFile(file)) {
        return std::nullopt;
    }
    return file;
}

} // namespace vexil::tibasic
