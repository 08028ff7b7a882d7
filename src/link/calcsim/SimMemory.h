// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated calculator's memory: its variables, told apart by type and name
// as a calculator tells them apart, each kept in a file of the memory folder.
#pragma once

#include "link/calcsim/SimFiles.h"
#include "link/calcsim/SimVariables.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vexil::link::calcsim {

class SimMemory {
public:
    // `freeBytes` is the room left for variables.
    SimMemory(std::filesystem::path folder, SimModel model, size_t freeBytes);

    // Reads every variable file of the folder, in name order; a later file's
    // variable replaces an earlier one it is the same as. Returns the names of
    // the files it could not use.
    std::vector<std::string> load();

    std::vector<SimVariable> variables() const;
    // The variable that `like` is the same as (by its type and name), if held.
    const SimVariable *find(const SimVariable &like) const;
    const SimVariable *find(uint8_t typeId, const Name &name) const;
    size_t freeBytes() const { return freeBytes_; }
    const std::filesystem::path &folderPath() const { return folder_; }

    // Stores (or replaces) a variable and writes its file. Returns the file's
    // path, or an empty one when it could not be written.
    std::filesystem::path store(const SimVariable &variable);
    std::filesystem::path storeBackup(const SimBackup &backup);

    // A file of the folder by its name, for sending.
    std::optional<SimFile> readFile(const std::string &fileName) const;

    // The backup the calculator makes of itself: its variables in part 2.
    SimBackup makeBackup() const;

private:
    struct Held {
        SimVariable variable;
        std::filesystem::path file; // where it was read from or stored
    };
    Held *findHeld(const SimVariable &like);
    const Held *findHeld(const SimVariable &like) const;
    void forgetFile(const Held &replaced, const std::filesystem::path &newFile);

    std::filesystem::path folder_;
    SimModel model_;
    size_t freeBytes_;
    std::vector<Held> held_;
};

} // namespace vexil::link::calcsim
