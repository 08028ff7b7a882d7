// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli basic export|import: TI-82/83 program files as text and back.
#include "base/FileIo.h"
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/ModelOptions.h"
#include "tibasic/ProgramFile.h"
#include "tibasic/ProgramText.h"
#include "varfile/VarFileReader.h"

#include <iostream>

namespace vexil::cli {

namespace {

using tibasic::CalcModel;

// The program editors limit names to this many characters.
constexpr std::size_t kMaxNameLength = 8;

bool IsUsableName(const std::string &name)
{
    if (name.empty() || name.size() > kMaxNameLength) {
        return false;
    }
    for (const char c : name) {
        if (c < 0x21 || c > 0x7E) {
            return false;
        }
    }
    return true;
}

// Only a file that is exactly one intact program is exported; anything else would
// print text that is not the program.
int Export(const Words &words)
{
    const CliArgs args(words, {}, {"--raw", "--lossy"});
    args.expectPositional(1, 1);
    const std::string &path = args.positional()[0];
    const base::ReadResult read = varfile::ReadVarFileBytes(path);
    if (!read.ok()) {
        std::cerr << "vexil-cli: " << read.error->message << '\n';
        return kExitBadInput;
    }
    const tibasic::ExactProgram exact = tibasic::ReadExactProgramFile(read.bytes);
    if (!exact.ok()) {
        std::cerr << path << ": " << tibasic::kProgramReadError << " It is " << exact.refusal
                  << ".\n";
        return kExitBadInput;
    }
    for (const std::string &warning : exact.warnings) {
        std::cerr << path << ": warning: " << warning << '\n';
    }
    if (!AcceptRoundTrip(path, exact.model, exact.program.tokens, tibasic::kProgramTokensOffset,
                         args)) {
        return kExitBadInput;
    }
    std::cout << tibasic::DecodeProgramText(exact.model, exact.program.tokens, FormOption(args))
              << std::flush;
    return kExitOk;
}

int Import(const Words &words)
{
    const CliArgs args(words, {"--model", "--name", "-o"}, {"--protect", "--raw", "--exact"});
    args.expectPositional(1, 1);
    const CalcModel model = ModelOption(args);
    const std::string name = args.required("--name");
    const std::string out = args.required("-o");
    if (!IsUsableName(name)) {
        std::cerr << "vexil-cli: the program name must be 1 to 8 printable characters without "
                     "spaces, not \""
                  << name << "\"\n";
        return kExitBadInput;
    }
    const std::string &path = args.positional()[0];
    const base::ReadResult read = base::ReadWholeFile(path);
    if (!read.ok()) {
        std::cerr << "vexil-cli: " << read.error->message << '\n';
        return kExitBadInput;
    }
    const std::string_view text(reinterpret_cast<const char *>(read.bytes.data()),
                                read.bytes.size());
    tibasic::ProgramTextTokens encoded =
        tibasic::EncodeProgramText(model, text, FormOption(args), RulesOption(args));
    if (const auto &error = encoded.error) {
        std::cerr << path << ':' << error->at.line << ':' << error->at.column << ": "
                  << tibasic::ProgramTextErrorMessage(*error) << '\n';
        return kExitBadInput;
    }
    const tibasic::Program program{name, args.flag("--protect"), std::move(encoded.tokens)};
    const std::optional<varfile::Bytes> file = tibasic::BuildProgramFile(model, program);
    if (!file) {
        std::cerr << path << ": the program is " << program.tokens.size()
                  << " bytes long, too long for a program file\n";
        return kExitBadInput;
    }
    if (const auto error = base::WriteFileAtomically(out, *file)) {
        std::cerr << "vexil-cli: " << error->message << '\n';
        return kExitBadInput;
    }
    return kExitOk;
}

} // namespace

int RunBasic(const Words &words)
{
    return RunVerb("basic", words, {{"export", Export}, {"import", Import}});
}

} // namespace vexil::cli
