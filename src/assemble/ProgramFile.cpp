// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/ProgramFile.h"

#include "assemble/ProgramName.h"
#include "base/AsciiText.h"
#include "base/FileIo.h"
#include "varfile/VarFile.h"

#include <array>

namespace vexil::assemble {

using varfile::Bytes;
using varfile::ByteView;
using varfile::CalcModel;

namespace {

// TI-82 tokens that run the program from the home screen under Ash; its last
// three bytes are the same D9 00 30 that start a program without it.
constexpr std::array<std::uint8_t, 48> kAshHomeScreenLauncher = {
    0x5C, 0x06, 0x10, 0x31, 0x2B, 0x31, 0x11, 0x04, 0x5C, 0x05, 0x10, 0x31, 0x2B, 0x31, 0x11, 0x3F,
    0xDE, 0x2A, 0x50, 0x52, 0x45, 0x53, 0x53, 0x29, 0x45, 0x4E, 0x54, 0x45, 0x52, 0x3A, 0x3A, 0x3A,
    0x2A, 0x3F, 0xE0, 0x31, 0x2B, 0x31, 0x2B, 0x2A, 0x2A, 0x11, 0x3F, 0xD9, 0x3F, 0xD9, 0x00, 0x30};
constexpr std::array<std::uint8_t, 3> kAshStart = {0xD9, 0x00, 0x30};
constexpr std::array<std::uint8_t, 3> kCrashStart = {0xD5, 0x00, 0x11};
constexpr std::uint8_t kNewLineToken = 0x3F;
constexpr std::uint8_t kEndToken = 0xD4;

void Append(Bytes &out, ByteView bytes)
{
    out.insert(out.end(), bytes.begin(), bytes.end());
}

// The TI-83 runs unsquished programs as lines of hexadecimal code, a line "End",
// a line with the extra memory figure and a line "End".
void AppendHexProgram(Bytes &out, ByteView object, const std::string &extraMemory)
{
    static const char digits[] = "0123456789ABCDEF";
    for (std::uint8_t byte : object) {
        out.push_back(static_cast<std::uint8_t>(digits[byte >> 4]));
        out.push_back(static_cast<std::uint8_t>(digits[byte & 0x0F]));
    }
    out.insert(out.end(), {kNewLineToken, kEndToken, kNewLineToken});
    out.insert(out.end(), extraMemory.begin(), extraMemory.end());
    out.insert(out.end(), {kNewLineToken, kEndToken});
}

} // namespace

ProgramFileResult BuildProgramFile(ByteView object, const ProgramSettings &settings)
{
    ProgramFileResult result;
    if (settings.name.empty()) {
        result.error = kNoNameMessage;
        return result;
    }
    const std::optional<std::string> extraMemory =
        PadExtraMemory(base::AsciiUpper(settings.extraMemory));
    const bool hexProgram = settings.target == ShellTarget::TI83 && !settings.squish;
    if (hexProgram && !extraMemory) {
        result.error = kBadExtraMemoryMessage;
        return result;
    }

    Bytes program;
    switch (settings.target) {
    case ShellTarget::Ash:
        if (settings.homeScreen) {
            Append(program, kAshHomeScreenLauncher);
        } else {
            Append(program, kAshStart);
        }
        Append(program, object);
        break;
    case ShellTarget::CrASH:
        Append(program, kCrashStart);
        Append(program, object);
        break;
    case ShellTarget::TI83:
        if (hexProgram) {
            AppendHexProgram(program, object, *extraMemory);
        } else {
            Append(program, object);
        }
        break;
    case ShellTarget::AShell83:
        Append(program, object);
        break;
    }

    // The entry's data is the program length word followed by the program.
    const std::size_t limit = varfile::kMaxSectionLength - varfile::kEntryOverhead - 2;
    if (program.size() > limit) {
        result.error = "The program is too large: " + std::to_string(program.size()) +
                       " bytes of program data, but a program file holds at most " +
                       std::to_string(limit) + ".";
        return result;
    }
    const CalcModel model = Describe(settings.target).model;
    const bool protect = settings.editProtect && model == CalcModel::TI82;
    Bytes file;
    varfile::WriteVarFileStart(file, model, varfile::WriterComment(varfile::CommentWriter::Program),
                               protect ? 0x06 : 0x05,
                               ProgramNameField(settings.name, settings.target));
    file.push_back(static_cast<std::uint8_t>(program.size() & 0xFF));
    file.push_back(static_cast<std::uint8_t>(program.size() >> 8));
    Append(file, program);
    if (!varfile::FinishVarFile(file)) {
        result.error = "The program file could not be completed.";
        return result;
    }
    result.file = std::move(file);
    return result;
}

std::string MissingObjectMessage(const std::filesystem::path &objectFile)
{
    return "Fatal Error: Cannot find object file (" + objectFile.string() + ").";
}

std::optional<std::string> ConvertObjectFile(const std::filesystem::path &objectFile,
                                             const std::filesystem::path &programFile,
                                             const ProgramSettings &settings)
{
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(objectFile, ignored)) {
        return MissingObjectMessage(objectFile);
    }
    const base::ReadResult object = base::ReadWholeFile(objectFile);
    if (!object.ok()) {
        return object.error->message;
    }
    const ProgramFileResult program = BuildProgramFile(object.bytes, settings);
    if (!program.ok()) {
        return program.error;
    }
    if (auto error = base::WriteFileAtomically(programFile, program.file)) {
        return error->message;
    }
    return std::nullopt;
}

} // namespace vexil::assemble
