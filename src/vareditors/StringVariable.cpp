// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/StringVariable.h"

#include "tibasic/Tokenizer.h"
#include "vareditors/FixedOffsetReader.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"
#include "varfile/VarNames.h"

namespace vexil::vardata {

namespace {

constexpr std::uint8_t kStringType = 0x04;
constexpr std::size_t kTokensOffset = kStringTokensOffset;
constexpr std::size_t kChecksumSize = 2;

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
    // The smallest string file holds its token length and checksum after the entry
    // header; anything shorter has lost its end.
    if (file.size() < kTokensOffset + kChecksumSize) {
        result.complete = false;
        return result;
    }
    result.variable.text = tibasic::DecodeTokens(varfile::CalcModel::TI83, StringFileTokens(file));
    return result;
}

varfile::ByteView StringFileTokens(varfile::ByteView file)
{
    if (file.size() < kTokensOffset + kChecksumSize) {
        return {};
    }
    return file.subspan(kTokensOffset, file.size() - kChecksumSize - kTokensOffset);
}

StringBuild BuildStringFile(const StringVariable &string)
{
    StringBuild build;
    auto encoded = tibasic::EncodeTokens(varfile::CalcModel::TI83, string.text);
    if (!encoded.ok()) {
        build.failedAt = encoded.failedAt;
        build.error = std::string(kInvalidStringToken);
        return build;
    }
    varfile::Bytes data;
    data.push_back(static_cast<std::uint8_t>(encoded.tokens.size() & 0xFF));
    data.push_back(static_cast<std::uint8_t>((encoded.tokens.size() >> 8) & 0xFF));
    data.insert(data.end(), encoded.tokens.begin(), encoded.tokens.end());

    int index = string.nameIndex >= 0 && string.nameIndex < kStringNameCount ? string.nameIndex : 0;
    varfile::VarName name{};
    name[0] = varfile::kStringPrefix;
    name[1] = static_cast<std::uint8_t>(index);
    varfile::VarEntry entry{kStringType, name, std::move(data)};
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
