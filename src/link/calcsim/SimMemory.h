// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated calculator's memory: a folder of variable files, one variable
// per file, named as a received variable is named on the computer.
#pragma once

#include "link/Packet.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vexil::link::calcsim {

using Name = std::array<uint8_t, 8>;

struct SimVariable {
    uint8_t typeId = 0;
    Name name{};
    std::vector<uint8_t> data;
};

struct SimBackup {
    std::array<uint8_t, 9> header{}; // part 1 size, type id, part 2 size, part 3 size, address
    std::array<std::vector<uint8_t>, 3> parts;
};

// What a file of the folder holds: variables, or one backup.
struct SimFile {
    std::vector<SimVariable> variables;
    std::optional<SimBackup> backup;
};

class SimMemory {
public:
    // `calcId` is 0x82 or 0x83; `freeBytes` is the room left for variables.
    SimMemory(std::filesystem::path folder, uint8_t calcId, size_t freeBytes);

    // Reads every variable file of the folder. Returns the files it could not use.
    std::vector<std::string> load();

    const std::vector<SimVariable> &variables() const { return variables_; }
    const SimVariable *find(const Name &name) const;
    const SimVariable *find(uint8_t typeId, const Name &name) const;
    size_t freeBytes() const { return freeBytes_; }
    const std::filesystem::path &folderPath() const { return folder_; }

    // Stores (or replaces) a variable and writes its file. Returns the file's
    // path, or an empty one when it could not be written.
    std::filesystem::path store(const SimVariable &variable);
    std::filesystem::path storeBackup(const SimBackup &backup);

    // Reads a file of the folder by its name, for sending.
    std::optional<SimFile> readFile(const std::string &fileName) const;

    // The backup the calculator makes of itself: its variables in part 2.
    SimBackup makeBackup() const;

private:
    std::filesystem::path folder_;
    uint8_t calcId_;
    size_t freeBytes_;
    std::vector<SimVariable> variables_;
};

// The 11-byte header data of a variable: size, type id, name.
std::vector<uint8_t> variableHeader(const SimVariable &variable);

// The variable header packet a calculator sends for `variable`; received files
// are named after it too.
Packet headerFor(uint8_t calcId, const SimVariable &variable);

} // namespace vexil::link::calcsim
