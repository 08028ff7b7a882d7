// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/calcsim/SimFiles.h"

#include "base/FileIo.h"
#include "link/calcsim/SimPacket.h"

#include <algorithm>
#include <cstring>

namespace vexil::link::calcsim {

namespace {

// The file: signature (8), 1A 0A 00, a 42-byte comment, the 16-bit length of
// the entries, the entries, and the 16-bit sum of the entries. An entry is its
// header length (11, or 9 for a backup), the header, and the data; a variable's
// header is its size, type id and name, and its data has the size again before
// it. A backup's header is part 1's size, its type id, the sizes of parts 2 and
// 3 and an address; each part follows with its size before it.
constexpr size_t kEntriesAt = 55;
constexpr size_t kCommentSize = 42;
constexpr size_t kVariableHead = 11;
constexpr size_t kBackupHead = 9;
constexpr const char kComment[] = "Stored by the simulated calculator.";
constexpr size_t kLargestFile = 3 * 65536 + 1024;

uint16_t Word(std::span<const uint8_t> bytes, size_t at)
{
    return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

void PutWord(std::vector<uint8_t> &out, size_t value)
{
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

std::optional<SimModel> Signature(std::span<const uint8_t> bytes)
{
    if (bytes.size() < kEntriesAt + 2 || std::memcmp(bytes.data(), "**TI8", 5) != 0 ||
        bytes[6] != '*' || bytes[7] != '*') {
        return std::nullopt;
    }
    if (bytes[5] == '2') {
        return SimModel::TI82;
    }
    if (bytes[5] == '3') {
        return SimModel::TI83;
    }
    return std::nullopt;
}

// A backup entry at `at`, ending at or before `end`.
std::optional<SimBackup> ParseBackup(std::span<const uint8_t> bytes, size_t at, size_t end)
{
    if (at + 2 + kBackupHead > end) {
        return std::nullopt;
    }
    SimBackup backup;
    std::copy_n(bytes.begin() + static_cast<long>(at) + 2, kBackupHead, backup.header.begin());
    size_t pos = at + 2 + kBackupHead;
    for (auto &part : backup.parts) {
        if (pos + 2 > end) {
            return std::nullopt;
        }
        const size_t size = Word(bytes, pos);
        if (pos + 2 + size > end) {
            return std::nullopt;
        }
        part.assign(bytes.begin() + static_cast<long>(pos) + 2,
                    bytes.begin() + static_cast<long>(pos + 2 + size));
        pos += 2 + size;
    }
    return backup;
}

std::vector<uint8_t> FileOf(SimModel model, const std::vector<uint8_t> &entries)
{
    const uint8_t digit = model == SimModel::TI82 ? '2' : '3';
    std::vector<uint8_t> out = {'*', '*', 'T', 'I', '8', digit, '*', '*', 0x1A, 0x0A, 0x00};
    std::string comment(kComment);
    comment.resize(kCommentSize, ' ');
    out.insert(out.end(), comment.begin(), comment.end());
    PutWord(out, entries.size());
    out.insert(out.end(), entries.begin(), entries.end());
    PutWord(out, SumOf(entries));
    return out;
}

} // namespace

std::optional<SimFile> ParseSimFile(std::span<const uint8_t> bytes)
{
    const auto model = Signature(bytes);
    if (!model) {
        return std::nullopt;
    }
    SimFile file;
    file.model = *model;
    const size_t end = bytes.size() - 2;
    size_t pos = kEntriesAt;
    while (pos < end) {
        if (pos + 2 > end) {
            return std::nullopt;
        }
        const size_t headLength = Word(bytes, pos);
        if (headLength == kBackupHead) {
            file.backup = ParseBackup(bytes, pos, end);
            if (!file.backup) {
                return std::nullopt;
            }
            return file;
        }
        if (headLength != kVariableHead || pos + 2 + kVariableHead + 2 > end) {
            return std::nullopt;
        }
        SimVariable v;
        const size_t size = Word(bytes, pos + 2);
        v.typeId = bytes[pos + 4];
        std::copy_n(bytes.begin() + static_cast<long>(pos) + 5, v.name.size(), v.name.begin());
        const size_t dataAt = pos + 2 + kVariableHead + 2;
        if (dataAt + size > end) {
            return std::nullopt;
        }
        v.data.assign(bytes.begin() + static_cast<long>(dataAt),
                      bytes.begin() + static_cast<long>(dataAt + size));
        file.variables.push_back(std::move(v));
        pos = dataAt + size;
    }
    if (file.variables.empty()) {
        return std::nullopt;
    }
    return file;
}

std::optional<SimFile> ReadSimFile(const std::filesystem::path &path)
{
    const auto read = base::ReadWholeFile(path, kLargestFile);
    if (!read.ok()) {
        return std::nullopt;
    }
    return ParseSimFile(read.bytes);
}

std::vector<uint8_t> SimFileBytes(SimModel model, const std::vector<SimVariable> &variables)
{
    std::vector<uint8_t> entries;
    for (const auto &v : variables) {
        PutWord(entries, kVariableHead);
        PutWord(entries, v.data.size());
        entries.push_back(v.typeId);
        entries.insert(entries.end(), v.name.begin(), v.name.end());
        PutWord(entries, v.data.size());
        entries.insert(entries.end(), v.data.begin(), v.data.end());
    }
    return FileOf(model, entries);
}

std::vector<uint8_t> SimBackupBytes(SimModel model, const SimBackup &backup)
{
    std::vector<uint8_t> entries;
    PutWord(entries, kBackupHead);
    entries.insert(entries.end(), backup.header.begin(), backup.header.end());
    for (const auto &part : backup.parts) {
        PutWord(entries, part.size());
        entries.insert(entries.end(), part.begin(), part.end());
    }
    return FileOf(model, entries);
}

bool WriteSimFile(const std::filesystem::path &path, std::span<const uint8_t> bytes)
{
    // The calculator's memory folder is its own: a name there is replaced whole.
    return !base::WriteFileAtomically(path, bytes, base::AtSymlink::Replace);
}

} // namespace vexil::link::calcsim
