// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/calcsim/SimMemory.h"

#include "base/FileIo.h"
#include "link/ReceiveName.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"
#include "varfile/VarFileReader.h"

#include <algorithm>

namespace vexil::link::calcsim {

namespace fs = std::filesystem;
using namespace vexil::varfile;

namespace {

void putWord(std::vector<uint8_t> &out, size_t value)
{
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

} // namespace

std::vector<uint8_t> variableHeader(const SimVariable &variable)
{
    std::vector<uint8_t> header;
    putWord(header, variable.data.size());
    header.push_back(variable.typeId);
    header.insert(header.end(), variable.name.begin(), variable.name.end());
    return header;
}

Packet headerFor(uint8_t calcId, const SimVariable &variable)
{
    return dataPacket(calcId, command::kVarHeader, variableHeader(variable));
}

SimMemory::SimMemory(fs::path folder, uint8_t calcId, size_t freeBytes)
    : folder_(std::move(folder)), calcId_(calcId), freeBytes_(freeBytes)
{
}

std::vector<std::string> SimMemory::load()
{
    std::vector<std::string> unusable;
    std::error_code ec;
    std::vector<fs::path> files;
    for (const auto &item : fs::directory_iterator(folder_, ec)) {
        if (item.is_regular_file())
            files.push_back(item.path());
    }
    std::sort(files.begin(), files.end());
    for (const auto &path : files) {
        const auto file = readFile(path.filename().string());
        if (!file) {
            unusable.push_back(path.filename().string());
            continue;
        }
        for (const auto &variable : file->variables) {
            auto same = std::find_if(variables_.begin(), variables_.end(),
                                     [&](const SimVariable &v) { return v.name == variable.name; });
            if (same != variables_.end())
                *same = variable;
            else
                variables_.push_back(variable);
            freeBytes_ -= std::min(freeBytes_, variable.data.size());
        }
    }
    return unusable;
}

const SimVariable *SimMemory::find(const Name &name) const
{
    for (const auto &v : variables_) {
        if (v.name == name)
            return &v;
    }
    return nullptr;
}

const SimVariable *SimMemory::find(uint8_t typeId, const Name &name) const
{
    const SimVariable *v = find(name);
    return v && v->typeId == typeId ? v : nullptr;
}

fs::path SimMemory::store(const SimVariable &variable)
{
    const CalcModel model = calcId_ == machine::kTI82 ? CalcModel::TI82 : CalcModel::TI83;
    const auto bytes = BuildVarFile(model, WriterComment(CommentWriter::Received),
                                    {VarEntry{variable.typeId, variable.name, variable.data}});
    const std::string name = MakeReceiveName(headerFor(calcId_, variable), folder_);
    if (!bytes || name.empty() || base::WriteFileAtomically(name, *bytes))
        return {};
    auto same = std::find_if(variables_.begin(), variables_.end(),
                             [&](const SimVariable &v) { return v.name == variable.name; });
    if (same != variables_.end()) {
        freeBytes_ += same->data.size();
        *same = variable;
    } else {
        variables_.push_back(variable);
    }
    freeBytes_ -= std::min(freeBytes_, variable.data.size());
    return name;
}

fs::path SimMemory::storeBackup(const SimBackup &backup)
{
    const CalcModel model = calcId_ == machine::kTI82 ? CalcModel::TI82 : CalcModel::TI83;
    std::vector<uint8_t> section;
    putWord(section, kBackupHeaderLength);
    section.insert(section.end(), backup.header.begin(), backup.header.end());
    for (const auto &part : backup.parts) {
        putWord(section, part.size());
        section.insert(section.end(), part.begin(), part.end());
    }
    const auto bytes =
        BuildVarFileFromSection(model, WriterComment(CommentWriter::Received), section);
    const fs::path name = folder_ / (model == CalcModel::TI82 ? "Backup.82b" : "Backup.83b");
    if (!bytes || base::WriteFileAtomically(name, *bytes))
        return {};
    return name;
}

std::optional<SimFile> SimMemory::readFile(const std::string &fileName) const
{
    const auto read = ReadVarFileBytes(folder_ / fileName);
    if (!read.ok())
        return std::nullopt;
    const VarFileContents contents = ParseVarFile(read.bytes);
    if (!contents.complete() || contents.entries.empty())
        return std::nullopt;
    SimFile file;
    for (const auto &entry : contents.entries) {
        if (entry.headerLength == kBackupHeaderLength) {
            if (entry.backupParts.size() != 2 || read.bytes.size() < entry.offset + 11)
                return std::nullopt;
            SimBackup backup;
            std::copy_n(read.bytes.begin() + static_cast<long>(entry.offset) + 2, 9,
                        backup.header.begin());
            backup.parts = {entry.data, entry.backupParts[0], entry.backupParts[1]};
            file.backup = backup;
            return file;
        }
        file.variables.push_back({entry.typeId, entry.name, entry.data});
    }
    return file;
}

SimBackup SimMemory::makeBackup() const
{
    SimBackup backup;
    backup.parts[0].assign(64, 0x00);
    for (const auto &v : variables_) {
        const auto entry = SerializeVarEntry({v.typeId, v.name, v.data});
        backup.parts[1].insert(backup.parts[1].end(), entry.begin(), entry.end());
    }
    backup.parts[2].assign(16, 0xFF);
    const bool ti82 = calcId_ == machine::kTI82;
    const uint16_t address = ti82 ? 0x8D24 : 0x9327;
    const size_t sizes[3] = {backup.parts[0].size(), backup.parts[1].size(),
                             backup.parts[2].size()};
    backup.header = {static_cast<uint8_t>(sizes[0]),           static_cast<uint8_t>(sizes[0] >> 8),
                     static_cast<uint8_t>(ti82 ? 0x0F : 0x13), static_cast<uint8_t>(sizes[1]),
                     static_cast<uint8_t>(sizes[1] >> 8),      static_cast<uint8_t>(sizes[2]),
                     static_cast<uint8_t>(sizes[2] >> 8),      static_cast<uint8_t>(address),
                     static_cast<uint8_t>(address >> 8)};
    return backup;
}

} // namespace vexil::link::calcsim
