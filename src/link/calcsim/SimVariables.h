// SPDX-License-Identifier: GPL-3.0-or-later
// What the simulated calculator holds: variables by type and name, a backup's
// three parts, and how each is told apart and named in the memory folder.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vexil::link::calcsim {

enum class SimModel { TI82, TI83 };

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

// The calculator's own machine id: 0x82 or 0x83.
uint8_t CalculatorId(SimModel model);

// The type id of a backup: 0x0F on the TI-82, 0x13 on the TI-83.
uint8_t BackupType(SimModel model);

// Window, zoom and table settings: one of each, whatever their name bytes say.
bool IsSettingsType(SimModel model, uint8_t typeId);

// Whether two variables are one on the calculator: the same name of the same
// kind, where a program and an edit-locked program share their names, as do a
// real and a complex number and a real and a complex list; settings by type.
bool SameVariable(SimModel model, const SimVariable &a, const SimVariable &b);

// The file a variable is kept in, in the memory folder: its name as the
// calculator shows it, in file name characters, and the extension of its type,
// for instance "HELLO.83p", "L1.82l", "Pic0.83i", "Window.83w".
std::string MemoryFileName(SimModel model, const SimVariable &variable);

// The name shown in the log: printable name bytes, others as '?'.
std::string LogName(const Name &name);

} // namespace vexil::link::calcsim
