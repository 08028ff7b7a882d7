// SPDX-License-Identifier: GPL-3.0-or-later
#include "varfile/VarFile.h"

#include <algorithm>
#include <cstring>

namespace vexil::varfile {

namespace {

void PutWord(Bytes &file, std::size_t offset, std::size_t value)
{
    file[offset] = static_cast<std::uint8_t>(value & 0xFF);
    file[offset + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

void AppendWord(Bytes &file, std::size_t value)
{
    file.push_back(static_cast<std::uint8_t>(value & 0xFF));
    file.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void AppendHeader(Bytes &file, CalcModel model, const Comment &comment, std::size_t sectionLength)
{
    const Bytes signature = SignatureBytes(model);
    file.insert(file.end(), signature.begin(), signature.end());
    file.insert(file.end(), comment.begin(), comment.end());
    AppendWord(file, sectionLength);
}

void AppendEntryHeader(Bytes &file, std::uint8_t typeId, const VarName &name,
                       std::size_t dataLength)
{
    AppendWord(file, kVariableHeaderLength);
    AppendWord(file, dataLength);
    file.push_back(typeId);
    file.insert(file.end(), name.begin(), name.end());
    AppendWord(file, dataLength);
}

} // namespace

Bytes SignatureBytes(CalcModel model)
{
    const char *text = model == CalcModel::TI82 ? "**TI82**" : "**TI83**";
    Bytes bytes(text, text + kSignatureSize);
    bytes.insert(bytes.end(), {0x1A, 0x0A, 0x00});
    return bytes;
}

bool IsVarFileSignature(ByteView firstBytes)
{
    if (firstBytes.size() < kSignatureSize) {
        return false;
    }
    return std::memcmp(firstBytes.data(), "**TI82**", kSignatureSize) == 0 ||
           std::memcmp(firstBytes.data(), "**TI83**", kSignatureSize) == 0;
}

CalcModel ReadVarFileModel(ByteView file)
{
    return file.size() > 5 && file[5] == '2' ? CalcModel::TI82 : CalcModel::TI83;
}

void WriteVarFileStart(Bytes &file, CalcModel model, const Comment &comment, std::uint8_t typeId,
                       const VarName &name)
{
    AppendHeader(file, model, comment, 0);
    AppendEntryHeader(file, typeId, name, 0);
}

bool FinishVarFile(Bytes &file)
{
    if (file.size() < kDataOffset) {
        return false;
    }
    const std::size_t dataLength = file.size() - kDataOffset;
    const std::size_t sectionLength = dataLength + kEntryOverhead;
    if (sectionLength > kMaxSectionLength) {
        return false;
    }
    PutWord(file, kSectionLengthOffset, sectionLength);
    PutWord(file, kFirstEntryOffset, kVariableHeaderLength);
    PutWord(file, kFirstEntryOffset + 2, dataLength);
    PutWord(file, kDataOffset - 2, dataLength);
    const std::uint16_t checksum = ByteSum(ByteView(file).subspan(kFirstEntryOffset));
    AppendWord(file, checksum);
    return true;
}

Bytes SerializeVarEntry(const VarEntry &entry)
{
    Bytes bytes;
    bytes.reserve(kEntryOverhead + entry.data.size());
    AppendEntryHeader(bytes, entry.typeId, entry.name, entry.data.size());
    bytes.insert(bytes.end(), entry.data.begin(), entry.data.end());
    return bytes;
}

std::optional<Bytes> BuildVarFileFromSection(CalcModel model, const Comment &comment,
                                             ByteView section)
{
    if (section.size() > kMaxSectionLength) {
        return std::nullopt;
    }
    Bytes file;
    file.reserve(kHeaderSize + section.size() + 2);
    AppendHeader(file, model, comment, section.size());
    file.insert(file.end(), section.begin(), section.end());
    AppendWord(file, ByteSum(section));
    return file;
}

std::optional<Bytes> BuildVarFile(CalcModel model, const Comment &comment,
                                  const std::vector<VarEntry> &entries)
{
    Bytes section;
    for (const VarEntry &entry : entries) {
        if (entry.data.size() > kMaxSectionLength - kEntryOverhead) {
            return std::nullopt;
        }
        const Bytes bytes = SerializeVarEntry(entry);
        section.insert(section.end(), bytes.begin(), bytes.end());
        if (section.size() > kMaxSectionLength) {
            return std::nullopt;
        }
    }
    return BuildVarFileFromSection(model, comment, section);
}

std::uint16_t ByteSum(ByteView bytes)
{
    std::uint32_t sum = 0;
    for (std::uint8_t byte : bytes) {
        sum += byte;
    }
    return static_cast<std::uint16_t>(sum & 0xFFFF);
}

} // namespace vexil::varfile
