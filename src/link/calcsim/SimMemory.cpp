// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/calcsim/SimMemory.h"

#include <algorithm>

namespace vexil::link::calcsim {

namespace fs = std::filesystem;

namespace {

void PutWord(std::vector<uint8_t> &out, size_t value)
{
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

} // namespace

SimMemory::SimMemory(fs::path folder, SimModel model, size_t freeBytes)
    : folder_(std::move(folder)), model_(model), freeBytes_(freeBytes)
{
}

std::vector<std::string> SimMemory::load()
{
    std::vector<std::string> unusable;
    std::error_code ec;
    std::vector<fs::path> files;
    for (const auto &item : fs::directory_iterator(folder_, ec)) {
        if (item.is_regular_file() && item.path().filename().string().front() != '.') {
            files.push_back(item.path());
        }
    }
    std::sort(files.begin(), files.end());
    for (const auto &path : files) {
        const auto file = ReadSimFile(path);
        if (!file) {
            unusable.push_back(path.filename().string());
            continue;
        }
        for (const auto &variable : file->variables) {
            if (Held *same = findHeld(variable)) {
                freeBytes_ += same->variable.data.size();
                *same = {variable, path};
            } else {
                held_.push_back({variable, path});
            }
            freeBytes_ -= std::min(freeBytes_, variable.data.size());
        }
    }
    return unusable;
}

std::vector<SimVariable> SimMemory::variables() const
{
    std::vector<SimVariable> all;
    for (const auto &h : held_) {
        all.push_back(h.variable);
    }
    return all;
}

SimMemory::Held *SimMemory::findHeld(const SimVariable &like)
{
    for (auto &h : held_) {
        if (SameVariable(model_, h.variable, like)) {
            return &h;
        }
    }
    return nullptr;
}

const SimMemory::Held *SimMemory::findHeld(const SimVariable &like) const
{
    return const_cast<SimMemory *>(this)->findHeld(like);
}

const SimVariable *SimMemory::find(const SimVariable &like) const
{
    const Held *h = findHeld(like);
    return h ? &h->variable : nullptr;
}

const SimVariable *SimMemory::find(uint8_t typeId, const Name &name) const
{
    return find(SimVariable{typeId, name, {}});
}

// A replaced variable's old file goes when it held that variable alone; a file
// of several (a group put there by hand) stays as it is.
void SimMemory::forgetFile(const Held &replaced, const fs::path &newFile)
{
    if (replaced.file == newFile) {
        return;
    }
    const auto old = ReadSimFile(replaced.file);
    if (old && old->variables.size() == 1) {
        std::error_code ec;
        fs::remove(replaced.file, ec);
    }
}

fs::path SimMemory::store(const SimVariable &variable)
{
    const fs::path path = folder_ / MemoryFileName(model_, variable);
    if (!WriteSimFile(path, SimFileBytes(model_, {variable}))) {
        return {};
    }
    if (Held *same = findHeld(variable)) {
        forgetFile(*same, path);
        freeBytes_ += same->variable.data.size();
        *same = {variable, path};
    } else {
        held_.push_back({variable, path});
    }
    freeBytes_ -= std::min(freeBytes_, variable.data.size());
    return path;
}

fs::path SimMemory::storeBackup(const SimBackup &backup)
{
    const fs::path path = folder_ / MemoryFileName(model_, {BackupType(model_), {}, {}});
    return WriteSimFile(path, SimBackupBytes(model_, backup)) ? path : fs::path();
}

std::optional<SimFile> SimMemory::readFile(const std::string &fileName) const
{
    return ReadSimFile(folder_ / fileName);
}

SimBackup SimMemory::makeBackup() const
{
    SimBackup backup;
    backup.parts[0].assign(64, 0x00);
    for (const auto &h : held_) {
        const auto &v = h.variable;
        PutWord(backup.parts[1], v.data.size());
        backup.parts[1].push_back(v.typeId);
        backup.parts[1].insert(backup.parts[1].end(), v.name.begin(), v.name.end());
        backup.parts[1].insert(backup.parts[1].end(), v.data.begin(), v.data.end());
    }
    backup.parts[2].assign(16, 0xFF);
    const bool ti82 = model_ == SimModel::TI82;
    const uint16_t address = ti82 ? 0x8D24 : 0x9327;
    const size_t sizes[3] = {backup.parts[0].size(), backup.parts[1].size(),
                             backup.parts[2].size()};
    backup.header = {static_cast<uint8_t>(sizes[0]),
                     static_cast<uint8_t>(sizes[0] >> 8),
                     BackupType(model_),
                     static_cast<uint8_t>(sizes[1]),
                     static_cast<uint8_t>(sizes[1] >> 8),
                     static_cast<uint8_t>(sizes[2]),
                     static_cast<uint8_t>(sizes[2] >> 8),
                     static_cast<uint8_t>(address),
                     static_cast<uint8_t>(address >> 8)};
    return backup;
}

} // namespace vexil::link::calcsim
