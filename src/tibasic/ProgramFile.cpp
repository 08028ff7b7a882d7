// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/ProgramFile.h"

#include "varfile/Comments.h"
#include "varfile/FileKind.h"
#include "varfile/VarFile.h"
#include "varfile/VarFileReader.h"
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
constexpr std::size_t kEntryLengthOffset = 57;
constexpr std::size_t kProgramLengthOffset = 70;
constexpr std::size_t kTokensOffset = kProgramTokensOffset;
constexpr std::size_t kChecksumBytes = 2;

std::uint16_t WordAt(ByteView file, std::size_t offset)
{
    return static_cast<std::uint16_t>(file[offset] | (file[offset + 1] << 8));
}

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
    if (const varfile::FileFamily family = varfile::FamilyOfFile(file);
        family == varfile::FileFamily::TI83Plus || family == varfile::FileFamily::OtherCalculator) {
        loaded.error = ProgramFileError::Foreign;
        return loaded;
    }
    if (file.size() < kNameOffset + kNameBytes) {
        loaded.error = ProgramFileError::TooShort;
        return loaded;
    }
    const std::uint8_t typeId = file[kTypeOffset];
    loaded.program.isProtected =
        typeId == varfile::TypeIdOf(loaded.model, varfile::VarKind::ProtectedProgram);
    loaded.program.name = ShownName(file.subspan(kNameOffset, kNameBytes));
    if (file.size() < kTokensOffset) {
        loaded.error = ProgramFileError::Truncated;
        return loaded;
    }
    // The bytes after the program length, and how many of them the fields promise.
    const std::size_t present = file.size() - kTokensOffset;
    const std::size_t announced = WordAt(file, kProgramLengthOffset);
    const bool cutShort =
        announced + kChecksumBytes > present && WordAt(file, kEntryLengthOffset) > present;
    if (cutShort || present < kChecksumBytes) {
        const ByteView tokens = file.subspan(kTokensOffset, std::min(announced, present));
        loaded.program.tokens.assign(tokens.begin(), tokens.end());
        loaded.error = ProgramFileError::Truncated;
        return loaded;
    }
    const ByteView tokens = file.subspan(kTokensOffset, present - kChecksumBytes);
    loaded.program.tokens.assign(tokens.begin(), tokens.end());
    if (!IsProgramType(loaded.model, typeId)) {
        loaded.error = ProgramFileError::NotAProgram;
    }
    return loaded;
}

ExactProgram ReadExactProgramFile(ByteView file)
{
    ExactProgram exact;
    const varfile::FileFamily family = varfile::FamilyOfFile(file);
    if (!varfile::IsOurFamily(family)) {
        exact.refusal = family == varfile::FileFamily::TI83Plus
                            ? "a TI-83 Plus file; only TI-82 and TI-83 programs can be read"
                            : varfile::FamilyDescription(family);
        return exact;
    }
    const varfile::VarFileContents contents = varfile::ParseVarFile(file);
    exact.model = contents.model;
    const auto refuseAsDamaged = [&](const std::string &detail) {
        exact.refusal = "damaged or cut short: " + detail;
        return exact;
    };
    if (!contents.complete()) {
        // The problem that made the file incomplete tells more than the others.
        const auto telling = std::find_if(
            contents.issues.begin(), contents.issues.end(), [](const varfile::VarFileIssue &i) {
                return i.problem == varfile::VarFileProblem::ShortFile ||
                       i.problem == varfile::VarFileProblem::MissingChecksum ||
                       i.problem == varfile::VarFileProblem::UnknownEntryHeader ||
                       i.problem == varfile::VarFileProblem::EntryTruncated;
            });
        return refuseAsDamaged(telling != contents.issues.end() ? telling->message
                                                                : contents.issues.front().message);
    }
    if (contents.entries.empty()) {
        return refuseAsDamaged("the data section holds no variable");
    }
    const varfile::ParsedEntry &entry = contents.entries.front();
    const bool program = contents.entries.size() == 1 &&
                         entry.headerLength == varfile::kVariableHeaderLength &&
                         IsProgramType(exact.model, entry.typeId);
    if (!program) {
        const auto kind = varfile::KindOfCalculatorFile(file, {});
        exact.refusal = (kind ? kind->phrase : std::string("a variable file")) + ", not a program";
        return exact;
    }
    for (const varfile::VarFileIssue &issue : contents.issues) {
        if (issue.problem == varfile::VarFileProblem::EntryLengthsDisagree) {
            return refuseAsDamaged(issue.message);
        }
        exact.warnings.push_back(issue.message);
    }
    const ByteView data = entry.data;
    if (data.size() < 2 || WordAt(data, 0) != data.size() - 2) {
        return refuseAsDamaged("the program length at offset 0046 does not match the " +
                               std::to_string(data.size()) + " data bytes of the entry");
    }
    exact.program.isProtected =
        entry.typeId == varfile::TypeIdOf(exact.model, varfile::VarKind::ProtectedProgram);
    exact.program.name = ShownName(entry.name);
    exact.program.tokens.assign(data.begin() + 2, data.end());
    return exact;
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
