// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/FunctionVariable.h"

#include "tibasic/Tokenizer.h"
#include "vareditors/FixedOffsetReader.h"
#include "vareditors/TokenBody.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"
#include "varfile/VarNames.h"

namespace vexil::vardata {

namespace {

constexpr std::uint8_t kFunctionType = 0x03;

// The equations in name-box order, as runs of consecutive codes.
struct CodeRun {
    int firstIndex;
    std::uint8_t firstCode;
};
constexpr CodeRun kCodeRuns[] = {{0, 0x10}, {10, 0x20}, {22, 0x40}, {28, 0x80}};

const char *const kParametricNames[] = {"X1T", "Y1T", "X2T", "Y2T", "X3T", "Y3T",
                                        "X4T", "Y4T", "X5T", "Y5T", "X6T", "Y6T"};
const char *const kSequenceNames82[] = {"Un", "Vn"};
const char *const kSequenceNames83[] = {"u", "v", "w"};

} // namespace

int FunctionNameCount(varfile::CalcModel model)
{
    return model == varfile::CalcModel::TI82 ? 30 : 31;
}

std::string FunctionNameLabel(varfile::CalcModel model, int nameIndex)
{
    if (nameIndex < 10) {
        return "Y" + std::to_string((nameIndex + 1) % 10);
    }
    if (nameIndex < 22) {
        return kParametricNames[nameIndex - 10];
    }
    if (nameIndex < 28) {
        return "r" + std::to_string(nameIndex - 21);
    }
    return model == varfile::CalcModel::TI82 ? kSequenceNames82[nameIndex - 28]
                                             : kSequenceNames83[nameIndex - 28];
}

std::uint8_t FunctionNameCode(int nameIndex)
{
    const CodeRun *run = &kCodeRuns[0];
    for (const CodeRun &candidate : kCodeRuns) {
        if (nameIndex >= candidate.firstIndex) {
            run = &candidate;
        }
    }
    return static_cast<std::uint8_t>(run->firstCode + (nameIndex - run->firstIndex));
}

int FunctionIndexFromCode(varfile::CalcModel model, std::uint8_t code)
{
    for (int index = 0; index < FunctionNameCount(model); ++index) {
        if (FunctionNameCode(index) == code) {
            return index;
        }
    }
    return 0;
}

LoadedFunction LoadFunctionFile(varfile::ByteView file)
{
    FixedOffsetReader reader(file);
    LoadedFunction result;
    FunctionVariable &function = result.variable;
    function.model = reader.isTI82() ? varfile::CalcModel::TI82 : varfile::CalcModel::TI83;
    const auto code = reader.byteAt(kNameOffset + 1);
    const auto tokens = TokenBody(file);
    if (!code || !tokens) {
        result.complete = false;
        return result;
    }
    function.nameIndex = FunctionIndexFromCode(function.model, *code);
    result.tokens.assign(tokens->begin(), tokens->end());
    function.text = tibasic::DecodeTokens(function.model, result.tokens);
    return result;
}

FunctionBuild BuildFunctionFile(const FunctionVariable &function)
{
    FunctionBuild build;
    const auto encoded = tibasic::EncodeTokens(function.model, function.text);
    if (!encoded.ok()) {
        build.failedAt = encoded.failedAt;
        build.error = std::string(kInvalidTokenFound);
        return build;
    }
    static_cast<FileBuild &>(build) =
        FunctionFileFromTokens(function.model, function.nameIndex, encoded.tokens);
    return build;
}

FileBuild FunctionFileFromTokens(varfile::CalcModel model, int nameIndex, varfile::ByteView tokens)
{
    FileBuild build;
    if (nameIndex < 0 || nameIndex >= FunctionNameCount(model)) {
        build.error = "The calculator has no such equation.";
        return build;
    }
    const varfile::VarEntry entry{kFunctionType,
                                  varfile::EquationVarName(FunctionNameCode(nameIndex)),
                                  TokenBodyData(tokens)};
    auto file = varfile::BuildVarFile(
        model, varfile::WriterComment(varfile::CommentWriter::Function), {entry});
    if (!file) {
        build.error = "The equation is too long for a variable file.";
        return build;
    }
    build.file = std::move(*file);
    return build;
}

} // namespace vexil::vardata
