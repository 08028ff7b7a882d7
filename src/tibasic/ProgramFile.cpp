// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/ProgramFile.h"

#include "varfile/Comments.h"
#include "varfile/VarFile.h"
#include "varfile/VarNames.h"
#include "varfile/VarTypes.h"

#include <algorithm>
#include <cstddef>

namespace vexil::tibasic {

namespace {

// Fixed places of a single-program file.
constexpr std::size_t kTypeOffset = 59;
constexpr std::size_t kNameOffset = 60;
constexpr std::size_t kNameBytes = 8;
constexpr std::size_t kTokensOffset = 72;
constexpr std::size_t kChecksumBytes = 2;

std::string ShownName(ByteView name)
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
    // Only the type byte, the name bytes and everything between the program length
    // and the checksum are read: files from other tools often carry stale lengths,
    // and the program is every token the file holds.
    LoadedProgram loaded;
    loaded.model = varfile::ReadVarFileModel(file);
    if (file.size() < kNameOffset + kNameBytes) {
        loaded.error = ProgramFileError::TooShort;
        return loaded;
    }
    const std::uint8_t typeId = file[kTypeOffset];
    loaded.program.isProtected =
        typeId == varfile::TypeIdOf(loaded.model, varfile::VarKind::ProtectedProgram);
    loaded.program.name = ShownName(file.subspan(kNameOffset, kNameBytes));
    if (file.size() < kTokensOffset + kChecksumBytes) {
        loaded.error = ProgramFileError::Truncated;
        return loaded;
    }
    const ByteView tokens =
        file.subspan(kTokensOffset, file.size() - kChecksumBytes - kTokensOffset);
    loaded.program.tokens.assign(tokens.begin(), tokens.end());
    if (!IsProgramType(loaded.model, typeId)) {
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
