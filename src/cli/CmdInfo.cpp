// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli info: what a variable file holds, and whether its stored lengths and
// checksum agree with its contents. Any file at all may be handed to it.
#include "cli/CliArgs.h"
#include "cli/Commands.h"

#include "base/FileIo.h"
#include "tibasic/TokenRoundTrip.h"
#include "varfile/FileKind.h"
#include "varfile/VarFile.h"
#include "varfile/VarFileReader.h"
#include "varfile/VarTypes.h"

#include <cstdio>
#include <iostream>

namespace vexil::cli {

namespace {

using varfile::CalcModel;

std::string Hex(unsigned value, int width)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", width, value);
    return text;
}

// The comment as readable text; bytes outside printable ASCII as {XX}.
std::string Printable(const std::string &text)
{
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '{') {
            out += c;
        } else {
            out += "{" + Hex(byte, 2) + "}";
        }
    }
    return out;
}

bool HoldsTokens(std::optional<varfile::VarKind> kind)
{
    return kind == varfile::VarKind::Program || kind == varfile::VarKind::ProtectedProgram ||
           kind == varfile::VarKind::String || kind == varfile::VarKind::Equation;
}

// Programs, strings and equations are a token length and tokens; an editor would
// show them as text and save that text again.
void PrintTokenCheck(CalcModel model, const varfile::ParsedEntry &entry)
{
    if (entry.data.size() < 2) {
        return;
    }
    const varfile::ByteView tokens = varfile::ByteView(entry.data).subspan(2);
    const tibasic::TokenRoundTrip check = tibasic::CheckTokenRoundTrip(model, tokens);
    if (!check.reversible()) {
        std::cout << "    " << tibasic::IrreversibleTokensMessage(check, entry.dataOffset + 2)
                  << '\n';
    }
}

void PrintEntry(const varfile::VarFileContents &contents, std::size_t index)
{
    const varfile::ParsedEntry &entry = contents.entries[index];
    const std::optional<varfile::VarKind> kind =
        varfile::KindOfTypeId(contents.model, entry.typeId);
    std::cout << "  entry " << index + 1 << " at offset " << Hex(entry.offset, 4) << ": type "
              << Hex(entry.typeId, 2) << " (" << (kind ? varfile::VarKindMeaning(*kind) : "unknown")
              << ")";
    if (entry.headerLength == varfile::kBackupHeaderLength) {
        std::cout << ", backup parts of " << entry.dataLength;
        for (const varfile::Bytes &part : entry.backupParts) {
            std::cout << ", " << part.size();
        }
        std::cout << " bytes\n";
        return;
    }
    std::cout << ", name \"" << varfile::DisplayVarName(contents.model, entry.typeId, entry.name)
              << "\", " << entry.dataLength << " data bytes\n";
    if (HoldsTokens(kind)) {
        PrintTokenCheck(contents.model, entry);
    }
}

// Returns whether the file is intact.
bool Describe(const std::string &path)
{
    const base::ReadResult read = varfile::ReadVarFileBytes(path);
    if (!read.ok()) {
        std::cerr << "vexil-cli info: " << read.error->message << '\n';
        return false;
    }
    const varfile::FileFamily family = varfile::FamilyOfFile(read.bytes);
    if (!varfile::IsOurFamily(family)) {
        std::cout << path << ": " << varfile::FamilyDescription(family) << ", " << read.bytes.size()
                  << " bytes\n";
        if (const std::string foreign = varfile::ForeignFileMessage(family); !foreign.empty()) {
            std::cout << "  " << foreign << '\n';
        }
        return false;
    }
    const varfile::VarFileContents contents = varfile::ParseVarFile(read.bytes);
    std::cout << path << ": " << varfile::FamilyDescription(family) << ", " << read.bytes.size()
              << " bytes";
    if (contents.hasProblem(varfile::VarFileProblem::ShortFile)) {
        std::cout << '\n';
    } else {
        std::cout << ", comment \"" << Printable(contents.commentText()) << "\"\n";
    }
    for (std::size_t i = 0; i < contents.entries.size(); ++i) {
        PrintEntry(contents, i);
    }
    for (const varfile::VarFileIssue &issue : contents.issues) {
        std::cout << "  problem at offset " << Hex(static_cast<unsigned>(issue.offset), 4) << ": "
                  << issue.message << '\n';
    }
    if (contents.intact()) {
        std::cout << "  lengths and checksum " << Hex(contents.storedChecksum, 4)
                  << " agree with the contents\n";
    }
    return contents.intact();
}

} // namespace

int RunInfo(const Words &words)
{
    const CliArgs args(words, {}, {});
    args.expectPositional(1, SIZE_MAX);
    bool allIntact = true;
    for (const std::string &path : args.positional()) {
        allIntact = Describe(path) && allIntact;
    }
    return allIntact ? kExitOk : kExitBadInput;
}

} // namespace vexil::cli
