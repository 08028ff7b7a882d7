// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli tokens decode|encode: raw token streams to text and back.
#include "base/FileIo.h"
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/ModelOptions.h"
#include "tibasic/ProgramText.h"

#include <iostream>

namespace vexil::cli {

namespace {

using tibasic::CalcModel;

std::optional<varfile::Bytes> ReadInput(const std::string &path)
{
    base::ReadResult read = base::ReadWholeFile(path);
    if (!read.ok()) {
        std::cerr << "vexil-cli: " << read.error->message << '\n';
        return std::nullopt;
    }
    return std::move(read.bytes);
}

int Decode(const Words &words)
{
    const CliArgs args(words, {"--model"}, {"--raw", "--lossy"});
    args.expectPositional(1, 1);
    const CalcModel model = ModelOption(args);
    const std::string &path = args.positional()[0];
    const std::optional<varfile::Bytes> tokens = ReadInput(path);
    if (!tokens) {
        return kExitBadInput;
    }
    if (!AcceptRoundTrip(path, model, *tokens, 0, args)) {
        return kExitBadInput;
    }
    std::cout << tibasic::DecodeProgramText(model, *tokens, FormOption(args)) << std::flush;
    return kExitOk;
}

int Encode(const Words &words)
{
    const CliArgs args(words, {"--model", "-o"}, {"--raw", "--exact"});
    args.expectPositional(1, 1);
    const CalcModel model = ModelOption(args);
    const std::string &path = args.positional()[0];
    const std::optional<varfile::Bytes> text = ReadInput(path);
    if (!text) {
        return kExitBadInput;
    }
    const tibasic::ProgramTextTokens encoded = tibasic::EncodeProgramText(
        model, std::string_view(reinterpret_cast<const char *>(text->data()), text->size()),
        FormOption(args), RulesOption(args));
    if (const auto &error = encoded.error) {
        std::cerr << path << ':' << error->at.line << ':' << error->at.column << ": "
                  << tibasic::ProgramTextErrorMessage(*error) << '\n';
        return kExitBadInput;
    }
    if (const std::optional<std::string> out = args.value("-o")) {
        if (const auto error = base::WriteFileAtomically(*out, encoded.tokens)) {
            std::cerr << "vexil-cli: " << error->message << '\n';
            return kExitBadInput;
        }
    } else {
        std::cout.write(reinterpret_cast<const char *>(encoded.tokens.data()),
                        static_cast<std::streamsize>(encoded.tokens.size()));
        std::cout.flush();
    }
    return kExitOk;
}

} // namespace

int RunTokens(const Words &words)
{
    return RunVerb("tokens", words, {{"decode", Decode}, {"encode", Encode}});
}

} // namespace vexil::cli
