// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ListVariable.h"

#include "vareditors/FixedOffsetReader.h"
#include "vareditors/RealCodec.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"

namespace vexil::vardata {

namespace {

constexpr std::uint8_t kRealListType = 0x01;
constexpr std::uint8_t kComplexListType = 0x0D;

std::optional<int> BuiltinListNumber(std::string_view name)
{
    if (name.size() == 2 && name[0] == 'L' && name[1] >= '1' && name[1] <= '6') {
        return name[1] - '0';
    }
    return std::nullopt;
}

} // namespace

std::optional<varfile::VarName> ListNameBytes(std::string_view name)
{
    if (auto number = BuiltinListNumber(name)) {
        return varfile::ListVarName(*number);
    }
    if (name.empty() || name.size() > kMaxListNameLength) {
        return std::nullopt;
    }
    varfile::VarName bytes{};
    bytes[0] = varfile::kListPrefix;
    for (std::size_t i = 0; i < name.size(); ++i) {
        bytes[i + 1] = name[i] == '@' ? varfile::kThetaByte : static_cast<std::uint8_t>(name[i]);
    }
    return bytes;
}

std::string ListNameFromBytes(const varfile::VarName &bytes)
{
    if (bytes[1] < kBuiltinListCount) {
        return "L" + std::to_string(bytes[1] + 1);
    }
    std::string name;
    for (std::size_t i = 1; i <= kMaxListNameLength && bytes[i] != 0; ++i) {
        name += bytes[i] == varfile::kThetaByte ? '@' : static_cast<char>(bytes[i]);
    }
    return name;
}

LoadResult<ListVariable> LoadListFile(varfile::ByteView file)
{
    FixedOffsetReader reader(file);
    LoadResult<ListVariable> result;
    ListVariable &list = result.variable;
    list.model = reader.isTI82() ? varfile::CalcModel::TI82 : varfile::CalcModel::TI83;

    auto type = reader.byteAt(kTypeOffset);
    auto nameBytes = reader.bytesAt(kNameOffset, 8);
    auto count = reader.wordAt(kDataOffset);
    if (!type || !nameBytes || !count) {
        result.complete = false;
        return result;
    }
    list.complex = list.model == varfile::CalcModel::TI83 && *type == kComplexListType;
    varfile::VarName name{};
    std::copy(nameBytes->begin(), nameBytes->end(), name.begin());
    list.name = ListNameFromBytes(name);

    // The editor holds at most 999 elements; a longer count is damage, and the
    // elements that fit are kept like any other partial read.
    std::size_t wanted = std::min<std::size_t>(*count, kMaxListElements);
    std::size_t offset = kDataOffset + 2;
    for (std::size_t k = 0; k < wanted; ++k) {
        ListElement element;
        auto re = ReadReal(reader, offset);
        if (!re) {
            result.complete = false;
            return result;
        }
        element.re = *re;
        offset += kRealSize;
        if (list.complex) {
            auto im = ReadReal(reader, offset);
            if (!im) {
                result.complete = false;
                return result;
            }
            element.im = *im;
            offset += kRealSize;
        }
        list.elements.push_back(element);
    }
    result.complete = *count <= kMaxListElements;
    return result;
}

ListBuild BuildListFile(const ListVariable &list)
{
    ListBuild build;
    auto name = ListNameBytes(list.name);
    if (!name) {
        build.error = "A list name has 1 to 5 characters.";
        return build;
    }
    if (list.elements.size() > kMaxListElements) {
        build.error = "A list holds at most 999 elements.";
        return build;
    }
    // Type 0D is a table setup on the TI-82, so only a TI-83 list can be complex.
    bool complex = list.complex && list.model == varfile::CalcModel::TI83;
    varfile::Bytes data;
    data.push_back(static_cast<std::uint8_t>(list.elements.size() & 0xFF));
    data.push_back(static_cast<std::uint8_t>(list.elements.size() >> 8));
    for (std::size_t k = 0; k < list.elements.size(); ++k) {
        bool fits = AppendReal(data, list.elements[k].re, varfile::RealKind::Real);
        if (complex) {
            fits = fits && AppendReal(data, list.elements[k].im, varfile::RealKind::Real);
        }
        if (!fits) {
            build.error = "Element " + std::to_string(k + 1) + " lies outside -1E100 to 1E100.";
            return build;
        }
    }

    varfile::VarEntry entry{complex ? kComplexListType : kRealListType, *name, std::move(data)};
    auto file = varfile::BuildVarFile(
        list.model, varfile::WriterComment(varfile::CommentWriter::List), {entry});
    if (!file) {
        build.error = "The list is too long for a variable file.";
        return build;
    }
    build.file = std::move(*file);
    return build;
}

} // namespace vexil::vardata
