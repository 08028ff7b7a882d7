// SPDX-License-Identifier: GPL-3.0-or-later
// Strings and Y-variables as text: the token text in UTF-8 with the Keyboard Font
// glyphs as Unicode and line breaks as "\n", nothing added or taken away.
#include "tibasic/ProgramText.h"
#include "tibasic/TokenRoundTrip.h"
#include "vareditors/FunctionVariable.h"
#include "vareditors/StringVariable.h"
#include "vareditors/TextFormParts.h"
#include "vareditors/TokenBody.h"

namespace vexil::vardata::text {

namespace {

// The tokens of the text, or the refusal: the editors' "Invalid token found." at
// the line and column where no token starts.
std::optional<varfile::Bytes> EncodeText(varfile::CalcModel model, std::string_view text,
                                         std::string &error)
{
    tibasic::ProgramTextTokens encoded =
        tibasic::EncodeProgramText(model, text, tibasic::TextForm::Utf8);
    if (const auto &failure = encoded.error) {
        const std::string message = failure->problem == tibasic::ProgramTextProblem::InvalidToken
                                        ? std::string(kInvalidTokenFound)
                                        : tibasic::ProgramTextErrorMessage(*failure);
        error = "line " + std::to_string(failure->at.line) + ", column " +
                std::to_string(failure->at.column) + ": " + message;
        return std::nullopt;
    }
    return std::move(encoded.tokens);
}

TextExport DecodeText(varfile::CalcModel model, varfile::ByteView tokens)
{
    TextExport exported =
        Exported(tibasic::DecodeProgramText(model, tokens, tibasic::TextForm::Utf8));
    const tibasic::TokenRoundTrip check = tibasic::CheckTokenRoundTrip(model, tokens);
    if (!check.reversible()) {
        exported.lossy = tibasic::IrreversibleTokensMessage(check, kTokenBodyOffset);
    }
    return exported;
}

} // namespace

TextExport ExportString(varfile::ByteView file)
{
    const auto tokens = TokenBody(file);
    if (!tokens) {
        return NotRead(kStringReadError);
    }
    return DecodeText(varfile::CalcModel::TI83, *tokens);
}

FileBuild ImportString(const TextImport &request)
{
    if (request.model == varfile::CalcModel::TI82) {
        return {{}, "The TI-82 has no strings."};
    }
    int index = 0;
    while (!request.name.empty() && StringVarLabel(index) != request.name) {
        if (++index == kStringNameCount) {
            return {{}, "A string name is one of Str1 to Str9 and Str0."};
        }
    }
    std::string error;
    const auto tokens = EncodeText(varfile::CalcModel::TI83, request.text, error);
    if (!tokens) {
        return {{}, error};
    }
    return StringFileFromTokens(index, *tokens);
}

TextExport ExportFunction(varfile::ByteView file)
{
    const LoadedFunction loaded = LoadFunctionFile(file);
    if (!loaded.complete) {
        return NotRead(kFunctionReadError);
    }
    return DecodeText(loaded.variable.model, loaded.tokens);
}

FileBuild ImportFunction(const TextImport &request)
{
    int index = 0;
    while (!request.name.empty() && FunctionNameLabel(request.model, index) != request.name) {
        if (++index == FunctionNameCount(request.model)) {
            return {{}, "The calculator has no equation named " + request.name + "."};
        }
    }
    std::string error;
    const auto tokens = EncodeText(request.model, request.text, error);
    if (!tokens) {
        return {{}, error};
    }
    return FunctionFileFromTokens(request.model, index, *tokens);
}

} // namespace vexil::vardata::text
