// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/StringVariable.h"

#include "tibasic/Tokenizer.h"
#include "vareditors/FixedOffsetReader.h"
#include "vareditors/TokenBody.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"
#include "varfile/VarNames.h"

namespace vexil::vardata {

namespace {

constexpr std::uint8_t kStringType = 0x04;

} // namespace

std::string StringVarLabel(int nameIndex)
{
    return "Str" + std::to_string((nameIndex + 1) % kStringNameCount);
}

LoadResult<StringVariable> LoadStringFile(varfile::ByteView file)
{
    FixedOffsetReader reader(file);
    LoadResult<StringVariable> result;
    auto name = reader.byteAt(kNameOffset + 1);
    if (!name) {
        result.complete = false;
        return result;
    }
    result.variable.nameIndex = *name < kStringNameCount ? *name : 0;
    const auto tokens = TokenBody(file);
    if (!tokens) {
        result.complete = false;
        return result;
    }
    result.variable.text = tibasic::DecodeTokens(varfile::CalcModel::TI83, *tokens);
    return result;
}

varfile::ByteView StringFileTokens(varfile::ByteView file)
{
    return TokenBody(file).value_or(varfile::ByteView{});
}

StringBuild BuildStringFile(const StringVariable &string)
{
    StringBuild build;
    auto encoded = tibasic::EncodeTokens(varfile::CalcModel::TI83, string.text);
    if (!encoded.ok()) {
        build.failedAt = encoded.failedAt;
        build.error = std::string(kInvalidTokenFound);
        return build;
    }
    auto file = StringFileFromTokens(string.nameIndex, encoded.tokens);
    build.file = std::move(file.file);
    build.error = std::move(file.error);
    return build;
}

FileBuild StringFileFromTokens(int nameIndex, varfile::ByteView tokens)
{
    FileBuild build;
    int index = nameIndex >= 0 && nameIndex < kStringNameCount ? nameIndex : 0;
    varfile::VarName name{};
    name[0] = varfile::kStringPrefix;
    name[1] = static_cast<std::uint8_t>(index);
    varfile::VarEntry entry{kStringType, name, TokenBodyData(tokens)};
    auto file = varfile::BuildVarFile(
        varfile::CalcModel::TI83, varfile::WriterComment(varfile::CommentWriter::String), {entry});
    if (!file) {
        build.error = "The string is too long for a variable file.";
        return build;
    }
    build.file = std::move(*file);
    return build;
}

} // namespace vexil::vardata
