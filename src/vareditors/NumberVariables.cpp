// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/NumberVariables.h"

#include "vareditors/FixedOffsetReader.h"
#include "vareditors/RealCodec.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"
#include "varfile/VarNames.h"

namespace vexil::vardata {

namespace {

constexpr std::uint8_t kRealType = 0x00;
constexpr std::uint8_t kComplexType = 0x0C;
constexpr std::string_view kOutOfRange = "The value lies outside -1E100 to 1E100.";

varfile::VarName LetterName(int index)
{
    varfile::VarName name{};
    name[0] = LetterByteFromIndex(index);
    return name;
}

NumberBuild Finish(varfile::CalcModel model, varfile::CommentWriter writer, std::uint8_t type,
                   int nameIndex, varfile::Bytes data)
{
    NumberBuild build;
    varfile::VarEntry entry{type, LetterName(nameIndex), std::move(data)};
    // A single number always fits the 16-bit lengths.
    build.file = *varfile::BuildVarFile(model, varfile::WriterComment(writer), {entry});
    return build;
}

} // namespace

int LetterIndexFromByte(std::uint8_t nameByte)
{
    if (nameByte == varfile::kThetaByte) {
        return kThetaNameIndex;
    }
    if (nameByte >= 'A' && nameByte <= 'Z') {
        return nameByte - 'A';
    }
    return 0;
}

std::uint8_t LetterByteFromIndex(int index)
{
    if (index == kThetaNameIndex) {
        return varfile::kThetaByte;
    }
    if (index < 0 || index > 25) {
        return 'A';
    }
    return static_cast<std::uint8_t>('A' + index);
}

LoadResult<RealVariable> LoadRealFile(varfile::ByteView file)
{
    FixedOffsetReader reader(file);
    LoadResult<RealVariable> result;
    result.variable.model = reader.isTI82() ? varfile::CalcModel::TI82 : varfile::CalcModel::TI83;
    auto name = reader.byteAt(kNameOffset);
    if (!name) {
        result.complete = false;
        return result;
    }
    result.variable.nameIndex = LetterIndexFromByte(*name);
    auto value = ReadReal(reader, kDataOffset);
    if (!value) {
        result.complete = false;
        return result;
    }
    result.variable.value = *value;
    return result;
}

NumberBuild BuildRealFile(const RealVariable &real)
{
    varfile::Bytes data;
    if (!AppendReal(data, real.value, varfile::RealKind::Real)) {
        return {{}, std::string(kOutOfRange)};
    }
    return Finish(real.model, varfile::CommentWriter::Real, kRealType, real.nameIndex,
                  std::move(data));
}

LoadResult<ComplexVariable> LoadComplexFile(varfile::ByteView file)
{
    FixedOffsetReader reader(file);
    LoadResult<ComplexVariable> result;
    auto name = reader.byteAt(kNameOffset);
    if (!name) {
        result.complete = false;
        return result;
    }
    result.variable.nameIndex = LetterIndexFromByte(*name);
    auto re = ReadReal(reader, kDataOffset);
    if (!re) {
        result.complete = false;
        return result;
    }
    result.variable.re = *re;
    auto im = ReadReal(reader, kDataOffset + kRealSize);
    if (!im) {
        result.complete = false;
        return result;
    }
    result.variable.im = *im;
    return result;
}

NumberBuild BuildComplexFile(const ComplexVariable &complex)
{
    varfile::Bytes data;
    if (!AppendReal(data, complex.re, varfile::RealKind::ComplexHalf) ||
        !AppendReal(data, complex.im, varfile::RealKind::ComplexHalf)) {
        return {{}, std::string(kOutOfRange)};
    }
    return Finish(varfile::CalcModel::TI83, varfile::CommentWriter::Complex, kComplexType,
                  complex.nameIndex, std::move(data));
}

} // namespace vexil::vardata
